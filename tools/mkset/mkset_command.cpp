#include "mkset/mkset_command.hpp"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "mkset/data_set_builder.hpp"
#include "mkset/holder_csv.hpp"
#include "mkset/mkset_error.hpp"
#include "mkset/synthetic_holders.hpp"
#include "platform/utf.hpp"

namespace kv884::mkset {

namespace {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct CommandLine {
  bool help = false;
  std::string folder;
  std::optional<std::string> csvFile;
  std::optional<int64_t> synthetic;
  std::optional<std::string> reportFile;
  DataSetOptions options;
};

int64_t numberArgument(const std::string& option, const std::string& text, int64_t low,
                       int64_t high) {
  int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw UsageError(option + " takes a whole number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", not \"" + text + "\"");
  return value;
}

CommandLine parse(const std::vector<std::string>& args) {
  CommandLine line;
  line.options.security.decimalFlag.assign(1, u'N');
  bool codeGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
      return args[++i];
    };
    if (arg == "--help" || arg == "-h") {
      line.help = true;
    } else if (arg == "--csv") {
      line.csvFile = value();
    } else if (arg == "--synthetic") {
      line.synthetic = numberArgument(arg, value(), 1, 999999);
    } else if (arg == "--code") {
      line.options.security.code = fromUtf8(value());
      codeGiven = true;
    } else if (arg == "--name") {
      line.options.security.name = fromUtf8(value());
    } else if (arg == "--date") {
      line.options.security.dataDate = fromUtf8(value());
    } else if (arg == "--decimal-flag") {
      line.options.security.decimalFlag = fromUtf8(value());
    } else if (arg == "--report") {
      line.reportFile = value();
    } else if (arg == "--run-length") {
      line.options.runLength = numberArgument(arg, value(), 1, 999999);
    } else if (arg == "--runs-per-page") {
      line.options.runsPerPage = static_cast<int>(numberArgument(arg, value(), 1, 100));
    } else if (arg == "--seed") {
      line.options.seed = static_cast<uint64_t>(numberArgument(arg, value(), 0, INT64_MAX));
    } else if (arg.starts_with("-") && arg.size() > 1) {
      throw UsageError("unknown option " + arg);
    } else if (line.folder.empty()) {
      line.folder = arg;
    } else {
      throw UsageError("one output folder only, not also \"" + arg + "\"");
    }
  }
  if (line.help) return line;
  if (line.folder.empty()) throw UsageError("the output folder is missing");
  if (line.csvFile.has_value() == line.synthetic.has_value())
    throw UsageError("give either --csv FILE or --synthetic N");
  if (!codeGiven) throw UsageError("--code is missing");
  return line;
}

std::u16string readUtf8File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw MksetError("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return fromUtf8(text.str());
}

void build(const CommandLine& line, std::ostream& out) {
  DataSetOptions options = line.options;
  if (line.reportFile) options.reportText = readUtf8File(*line.reportFile);
  const std::u16string& code = options.security.code;
  std::vector<Holder> holders =
      line.csvFile ? readHoldersCsv(*line.csvFile, code)
                   : syntheticHolders(static_cast<size_t>(*line.synthetic), options.seed, code);
  BuildSummary summary = buildDataSet(line.folder, holders, options);
  out << "kv884-mkset: " << summary.holders << " holders written to " << line.folder
      << " (run length " << summary.runLength << "; leaf pages 統一編號 " << summary.leafPages[0]
      << ", 帳號 " << summary.leafPages[1] << ", 戶號 " << summary.leafPages[2] << ", 中文戶名 "
      << summary.leafPages[3] << ")\n";
}

}  // namespace

std::string mksetUsage() {
  std::string text =
      "usage: kv884-mkset OUT_FOLDER (--csv FILE | --synthetic N) --code CODE [options]\n"
      "\n"
      "Writes a data set folder: ntr/CODE.sin, ntr/CODE.ptr, ntridx/CODEidxp.sin,\n"
      "ntridx/CODEidxd.sin and ntridx/security.txt, all in Big5.\n"
      "\n"
      "  --csv FILE          holders from a UTF-8 CSV file with a header row (columns below)\n"
      "  --synthetic N       N made-up holders (1 to 999999), the same for the same --seed\n"
      "  --code CODE         security code: the file name stem and the descriptor's first item\n"
      "  --name NAME         security name (descriptor item 2)\n"
      "  --date DATE         data date, shown as written (descriptor item 3)\n"
      "  --decimal-flag F    Y: quantities carry two implied decimals; anything else: whole\n"
      "                      numbers (default N)\n"
      "  --report FILE       count report text (UTF-8); written in Big5 with CR LF line ends.\n"
      "                      Without it a report of holders and shares per allotment type and\n"
      "                      per data category is computed\n"
      "  --run-length N      records per leaf page entry (default: the smallest that fits; a\n"
      "                      key kind holds at most 100 leaf pages of --runs-per-page runs)\n"
      "  --runs-per-page N   entries used in each leaf page, 1 to 100 (default 100)\n"
      "  --seed N            seed of the synthetic holders and of the record shuffle (default "
      "884)\n"
      "  --help              this text\n"
      "\n"
      "CSV columns (any order; a column left out is blank, security_code then takes --code;\n"
      "quantities of digits only are stored right-aligned with leading zeros, every other\n"
      "value is stored as written, padded with blanks):\n"
      "  column                width content\n";
  for (const HolderFieldLayout& layout : holderFieldLayouts()) {
    std::string column(layout.column);
    column.resize(22, ' ');
    text += "  " + column + std::to_string(layout.width) + (layout.width < 10 ? "   " : "  ") +
            std::string(layout.help) + "\n";
  }
  text += "\nExit status: 0 written, 1 the data set could not be built, 64 bad usage.\n";
  return text;
}

int runMkset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandLine line;
  try {
    line = parse(args);
  } catch (const UsageError& e) {
    err << "kv884-mkset: " << e.what() << "\n" << mksetUsage();
    return kExitUsage;
  }
  if (line.help) {
    out << mksetUsage();
    return 0;
  }
  try {
    build(line, out);
  } catch (const MksetError& e) {
    err << "kv884-mkset: " << e.what() << "\n";
    return kExitBuildFailed;
  }
  return 0;
}

}  // namespace kv884::mkset

#include "mkset/mkset_command.hpp"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "headless/command_line.hpp"
#include "mkset/data_set_builder.hpp"
#include "mkset/holder_csv.hpp"
#include "mkset/mkset_error.hpp"
#include "mkset/synthetic_holders.hpp"
#include "platform/utf.hpp"

namespace kv884::mkset {

namespace {

struct CommandLine {
  std::string folder;
  std::optional<std::string> csvFile;
  std::optional<int64_t> synthetic;
  std::optional<std::string> reportFile;
  DataSetOptions options;
};

// The CSV columns with their widths, for --help.
std::string columnsHelp() {
  std::string text =
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
  return text + "\nExit status: 0 written, 1 the data set could not be built, 64 bad usage.\n";
}

void defineOptions(CLI::App& app, CommandLine& line) {
  SecurityItems& security = line.options.security;
  app.add_option("OUT_FOLDER", line.folder, "the data set folder to write")->required();
  auto* csv = app.add_option("--csv", line.csvFile,
                             "holders from a UTF-8 CSV file with a header row (columns below)");
  auto* synthetic = app.add_option("--synthetic", line.synthetic,
                                   "N made-up holders, the same for the same --seed")
                        ->check(CLI::Range(1, 999999));
  csv->excludes(synthetic);
  app.add_option_function<std::string>(
         "--code", [&](const std::string& v) { security.code = fromUtf8(v); },
         "security code: the file name stem and the descriptor's first item")
      ->required();
  app.add_option_function<std::string>(
      "--name", [&](const std::string& v) { security.name = fromUtf8(v); },
      "security name (descriptor item 2)");
  app.add_option_function<std::string>(
      "--date", [&](const std::string& v) { security.dataDate = fromUtf8(v); },
      "data date, shown as written (descriptor item 3)");
  app.add_option_function<std::string>(
      "--decimal-flag", [&](const std::string& v) { security.decimalFlag = fromUtf8(v); },
      "Y: quantities carry two implied decimals; anything else: whole numbers (default N)");
  app.add_option("--report", line.reportFile,
                 "count report text (UTF-8), written in Big5 with CR LF line ends; without it a "
                 "report of holders and shares per allotment type and data category is computed");
  app.add_option("--run-length", line.options.runLength,
                 "records per leaf page entry (default: the smallest that fits; a key kind holds "
                 "at most 100 leaf pages of --runs-per-page runs)")
      ->check(CLI::Range(1, 999999));
  app.add_option("--runs-per-page", line.options.runsPerPage,
                 "entries used in each leaf page (default 100)")
      ->check(CLI::Range(1, 100));
  app.add_option("--seed", line.options.seed,
                 "seed of the synthetic holders and of the record shuffle (default 884)");
  app.footer(columnsHelp());
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

int runMkset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app(
      "Writes a KV884 data set folder: ntr/CODE.sin, ntr/CODE.ptr, ntridx/CODEidxp.sin,\n"
      "ntridx/CODEidxd.sin and ntridx/security.txt, all in Big5.",
      "kv884-mkset");
  addVersionFlag(app);
  CommandLine line;
  line.options.security.decimalFlag = u"N";
  defineOptions(app, line);
  if (std::optional<int> status = parseCommandLine(app, args, out, err)) return *status;
  if (line.csvFile.has_value() == line.synthetic.has_value())
    return usageError(app, err, "give either --csv FILE or --synthetic N");
  try {
    build(line, out);
  } catch (const MksetError& e) {
    err << "kv884-mkset: " << e.what() << "\n";
    return kExitBuildFailed;
  }
  return 0;
}

}  // namespace kv884::mkset

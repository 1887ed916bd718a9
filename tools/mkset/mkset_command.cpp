#include "mkset/mkset_command.hpp"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "dataset/key_kind.hpp"
#include "headless/command_line.hpp"
#include "mkset/data_set_builder.hpp"
#include "mkset/holder_csv.hpp"
#include "mkset/mkset_error.hpp"
#include "mkset/record_numbering.hpp"
#include "mkset/synthetic_holders.hpp"
#include "platform/fs_path.hpp"
#include "platform/output_file.hpp"
#include "platform/output_folder.hpp"
#include "platform/utf.hpp"

namespace kv884::mkset {

namespace {

struct CommandLine {
  std::string folder;
  std::optional<std::string> csvFile;
  std::optional<int64_t> synthetic;
  std::optional<std::string> reportFile;
  std::string code, name, date, decimalFlag = "N";
  bool force{false};
  DataSetOptions options;
};

std::string columnsText() {
  std::string text =
      "CSV columns (any order; a column left out is blank, security_code then takes --code;\n"
      "quantities of digits only are stored right-aligned with leading zeros, every other\n"
      "value is stored as written, padded with blanks):\n"
      "  column                width content\n";
  for (const HolderFieldLayout& layout : holderFieldLayouts()) {
    std::string column(layout.column);
    column.resize(22, ' ');
    text += "  " + column + std::to_string(layout.width()) + (layout.width() < 10 ? "   " : "  ") +
            std::string(layout.help) + "\n";
  }
  return text +
         "\nExit status: 0 written, 1 the data set could not be built, 2 a file could not be "
         "written,\n64 bad usage.\n";
}

// The options, each with its help text, bound to line.
void describe(CLI::App& app, CommandLine& line) {
  app.get_formatter()->label("Usage", "usage");
  app.get_formatter()->column_width(24);
  app.footer(columnsText());
  app.add_option("OUT_FOLDER", line.folder,
                 "the data set folder to write: built beside it and put in its place when "
                 "complete; it must be new or empty")
      ->required();
  app.add_flag("--force", line.force, "replace OUT_FOLDER whole when it holds files");
  CLI::App* input = app.add_option_group("input");
  input
      ->add_option("--csv", line.csvFile,
                   "holders from a UTF-8 CSV file with a header row (columns below)")
      ->type_name("FILE");
  input
      ->add_option("--synthetic", line.synthetic, "N made-up holders, the same for the same --seed")
      ->type_name("N")
      ->check(CLI::Range(int64_t{1}, kMaxHolders));
  input->require_option(1);
  app.add_option("--code", line.code,
                 "security code: the file name stem and the descriptor's first item")
      ->type_name("CODE")
      ->required();
  app.add_option("--name", line.name, "security name (descriptor item 2)")->type_name("NAME");
  app.add_option("--date", line.date, "data date, shown as written (descriptor item 3)")
      ->type_name("DATE");
  app.add_option("--decimal-flag", line.decimalFlag,
                 "Y: quantities carry two implied decimals; anything else: whole numbers")
      ->type_name("F")
      ->capture_default_str();
  app.add_option("--report", line.reportFile,
                 "count report text (UTF-8), written in Big5 with CR LF line ends; without it "
                 "a report of holders and shares per allotment type and per data category is "
                 "computed")
      ->type_name("FILE");
  app.add_option("--run-length", line.options.runLength,
                 "records per leaf page entry (default: the smallest that fits; a key kind "
                 "holds at most " +
                     std::to_string(kEntriesPerPage) +
                     " leaf pages, one per root page entry, of --runs-per-page runs)")
      ->type_name("N")
      ->check(CLI::Range(int64_t{1}, kMaxHolders));
  app.add_option("--runs-per-page", line.options.runsPerPage, "entries used in each leaf page")
      ->type_name("N")
      ->check(CLI::Range(1, kEntriesPerPage))
      ->capture_default_str();
  app.add_option("--seed", line.options.seed,
                 "seed of the synthetic holders and of the record shuffle")
      ->type_name("N")
      ->capture_default_str();
}

std::string readFile(const std::string& path) {
  std::ifstream in(fsPathOf(path), std::ios::binary);
  if (!in) throw MksetError("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Refuses an OUT_FOLDER that the build may not take the place of, before any work.
void checkTarget(const CommandLine& line) {
  const PathState state = pathState(line.folder);
  if (state == PathState::NotAFolder) throw MksetError(line.folder + " is not a folder");
  if (state == PathState::Folder && !line.force)
    throw MksetError(line.folder + " is not empty; --force replaces it whole");
}

void build(const CommandLine& line, std::ostream& out) {
  checkTarget(line);
  DataSetOptions options = line.options;
  options.security = {fromUtf8(line.code), fromUtf8(line.name), fromUtf8(line.date),
                      fromUtf8(line.decimalFlag)};
  if (line.reportFile) options.reportText = fromUtf8(readFile(*line.reportFile));
  const std::u16string& code = options.security.code;
  std::vector<Holder> holders =
      line.csvFile ? holdersFromCsv(readFile(*line.csvFile), code)
                   : syntheticHolders(static_cast<size_t>(*line.synthetic), options.seed, code);
  OutputFolder building(line.folder);
  BuildSummary summary = buildDataSet(fsPathOf(building.path()), holders, options);
  building.commit(line.force);
  out << "kv884-mkset: " << summary.holders << " holders written to " << line.folder
      << " (run length " << summary.runLength << "; leaf pages";
  for (const KeyKind& k : keyKinds())
    out << (k.kind == 1 ? " " : ", ") << toUtf8(k.name()) << " " << summary.leafPages[k.kind - 1];
  out << ")\n";
}

int reportWriteError(std::ostream& err, const std::string& folder, const FileError& e) {
  err << "kv884-mkset: " << folder << " 無法寫入：" << e.what() << "\n";
  return kExitWriteFailed;
}

}  // namespace

int runMkset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandLine line;
  CLI::App app(
      "Writes a data set folder: ntr/CODE.sin, ntr/CODE.ptr, ntridx/CODEidxp.sin,\n"
      "ntridx/CODEidxd.sin and ntridx/security.txt, all in Big5.",
      "kv884-mkset");
  addVersionFlag(app);
  describe(app, line);
  if (std::optional<int> status = parseCommandLine(app, args, out, err)) return *status;
  try {
    build(line, out);
  } catch (const MksetError& e) {
    err << "kv884-mkset: " << e.what() << "\n";
    return kExitBuildFailed;
  } catch (const FileError& e) {
    return reportWriteError(err, line.folder, e);
  } catch (const std::filesystem::filesystem_error& e) {
    return reportWriteError(err, line.folder, writeError(e.code().value()));
  }
  return 0;
}

}  // namespace kv884::mkset

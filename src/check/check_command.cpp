#include "check/check_command.hpp"

#include "check/data_set_check.hpp"
#include "check/report_output.hpp"
#include "headless/command_line.hpp"
#include "headless/terminal_messages.hpp"
#include "platform/ascii_text.hpp"
#include "platform/file_error.hpp"
#include "platform/host_path.hpp"
#include "startwin/start_window.hpp"

namespace kv884 {

int runCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app("Checks that every holder of a KV884 data set can be found by every key.",
               "kv884-check");
  addVersionFlag(app);
  std::string folder;
  bool json = false;
  app.add_option("FOLDER", folder, "the data folder")->required();
  app.add_flag("--json", json, "the report as one JSON document");
  if (std::optional<int> status = parseCommandLine(app, args, out, err)) return *status;

  // The set is opened as the start window opens it, with its messages.
  FileTable files;
  const std::u16string folderText = pathTextOf(folder);
  std::u16string code, name, date, decimalFlag;
  DataSetOpening opening = readDescriptor(files, folderText, {code, name, date, decimalFlag});
  if (opening.end == OpeningEnd::Opened) opening = openDataFiles(files, folderText, code);
  if (opening.end != OpeningEnd::Opened) {
    printMessage(err, openingMessage(opening));
    return kCheckCannotOpen;
  }
  try {
    CheckReport report = checkDataSet(files, folderText, code);
    out << (json ? reportJson(report) : reportText(report));
    return report.sound() ? kCheckSound : kCheckProblems;
  } catch (const FileError& e) {
    printMessage(err, u"kv884-check: 讀取錯誤 " + decimalText(e.number()) + u" " + e.description());
    return kCheckCannotOpen;
  }
}

}  // namespace kv884

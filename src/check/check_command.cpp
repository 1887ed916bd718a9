#include "check/check_command.hpp"

#include "check/data_set_check.hpp"
#include "check/report_output.hpp"
#include "cli/headless_ui.hpp"
#include "platform/file_error.hpp"
#include "platform/utf.hpp"
#include "startwin/program.hpp"

namespace kv884 {

namespace {

constexpr const char* kUsage = "usage: kv884-check FOLDER [--json]\n";

struct CheckOptions {
  std::string folder;
  bool json{false};
};

bool parse(const std::vector<std::string>& args, CheckOptions& options, std::string& problem) {
  bool haveFolder = false;
  for (const std::string& a : args) {
    if (a == "--json") {
      options.json = true;
    } else if (a.rfind("--", 0) == 0 || haveFolder) {
      problem = "unexpected argument " + a;
      return false;
    } else {
      options.folder = a;
      haveFolder = true;
    }
  }
  if (!haveFolder) problem = "FOLDER is missing";
  return haveFolder;
}

// A message box on standard error: each CR LF a line break, then a line break.
void printMessage(std::ostream& err, const std::u16string& text) {
  std::string utf8 = toUtf8(text);
  for (size_t at; (at = utf8.find("\r\n")) != std::string::npos;) utf8.replace(at, 2, "\n");
  err << utf8 << '\n';
}

}  // namespace

int runCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CheckOptions options;
  std::string problem;
  if (!parse(args, options, problem)) {
    err << "kv884-check: " << problem << '\n' << kUsage;
    return kCheckUsage;
  }
  HeadlessUi ui;
  Program program(ui);
  program.frm_0.tx_i_01.text = fromUtf8(options.folder);
  program.frm_0.cmd_1_Click();
  if (!program.queryWindow()) {
    for (const std::u16string& m : ui.takeMessages()) printMessage(err, m);
    return kCheckCannotOpen;
  }
  try {
    CheckReport report = checkDataSet(program);
    out << (options.json ? reportJson(report) : reportText(report));
    return report.sound() ? kCheckSound : kCheckProblems;
  } catch (const FileError& e) {
    err << "kv884-check: " << toUtf8(u"讀取錯誤 ") << e.number() << ' ' << toUtf8(e.description())
        << '\n';
    return kCheckCannotOpen;
  }
}

}  // namespace kv884

#include "cli/query_command.hpp"

#include <fstream>
#include <functional>
#include <map>
#include <optional>

#include "cli/json_output.hpp"
#include "cli/print_files.hpp"
#include "cli/replay.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/key_kind.hpp"
#include "headless/command_line.hpp"
#include "headless/headless_ui.hpp"
#include "headless/terminal_messages.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "startwin/report_window.hpp"

namespace kv884 {
namespace {

// The names of the four kinds on the command line, by kind number.
const std::map<std::string, int> kKindNames{{"id", 1}, {"account", 2}, {"holder", 3}, {"name", 4}};

struct Options {
  std::string folder;
  std::string kind;  // --by
  std::string key;
  std::optional<long> limit;
  bool json{false};
  std::string script;  // --replay
  bool report{false};
  std::optional<std::string> printFile;
};

// The program over one data folder, with its messages going to err.
struct Session {
  Session(const std::string& folder, std::ostream& err) : program(ui), err(err) {
    program.frm_0.tx_i_01.text = fromUtf8(folder);
  }
  // Presses the start window's open button; false (the message on err) when it failed.
  bool open() {
    program.frm_0.cmd_1_Click();
    if (program.queryWindow()) return true;
    printMessages(err, ui.takeMessages());
    return false;
  }
  // Presses a 列印 button with printer as the program's printer; false when the printer
  // failed (its message is then on err).
  bool print(PrintSurface& printer, const std::function<void()>& press) {
    program.printer = &printer;
    press();
    program.printer = nullptr;
    std::vector<std::u16string> messages = ui.takeMessages();
    printMessages(err, messages);
    return messages.empty();
  }

  HeadlessUi ui;
  Program program;
  std::ostream& err;
};

int runBy(Session& s, const Options& o, PrintFiles& printFiles, std::ostream& out) {
  if (!s.open()) return kExitFailure;
  QueryWindow& w = *s.program.queryWindow();
  w.comb_1.text = keyKind(kKindNames.at(o.kind)).caption;
  w.tx_i_01.text = fromUtf8(o.key);
  // A sound key order shows each holder once: more screens than records means a cycle.
  const long bound = static_cast<long>(s.program.files.recordCount(kDetailIndexFile));
  const long limit = o.limit ? std::min(*o.limit, bound) : bound;
  w.cmd_1_Click();
  for (long shown = 0;;) {
    std::vector<std::u16string> messages = s.ui.takeMessages();
    if (!messages.empty()) {
      printMessages(s.err, messages);
      return messages.front().starts_with(u"MSG_1_08") ? kExitFailure : kExitNoMatch;
    }
    out << (o.json ? jsonLine(screenJson(w)) : screenText(w)) << '\n';
    if (o.printFile && !s.print(printFiles.surfaceFor(*o.printFile), [&] { w.cmd_4_Click(); }))
      return kExitFailure;
    if (++shown >= limit || !w.cmd_2.enabled) return 0;
    w.cmd_2_Click();
  }
}

int runReport(Session& s, const Options& o, PrintFiles& printFiles, std::ostream& out) {
  s.program.frm_0.cmd_5_Click();
  ReportWindow* report = s.program.reportWindow();
  if (!report || !report->visible) {
    printMessages(s.err, s.ui.takeMessages());
    return kExitFailure;
  }
  out << toUtf8(report->tx_o_01.text);
  if (o.printFile && !s.print(printFiles.surfaceFor(*o.printFile), [&] { report->cmd_1_Click(); }))
    return kExitFailure;
  return 0;
}

int runReplayScript(Session& s, const ReplayScript& script, PrintFiles& printFiles,
                    std::ostream& out) {
  if (!s.open()) return kExitFailure;
  return runReplay(s.program, s.ui, script, out, printFiles);
}

void defineOptions(CLI::App& app, Options& o) {
  app.add_option("FOLDER", o.folder, "the data folder, as the start window's folder box holds it")
      ->required();
  app.add_option("KEY", o.key, "with --by: the key typed into the key box (default empty)");
  std::vector<std::string> kinds;
  for (const auto& [name, kind] : kKindNames) kinds.push_back(name);
  app.add_option("--by", o.kind, "search by id, account, holder or name, then 次筆 to the end")
      ->type_name("KIND")
      ->check(CLI::IsMember(kinds));
  app.add_option("--limit", o.limit, "with --by: at most N screens")
      ->type_name("N")
      ->check(CLI::PositiveNumber);
  app.add_flag("--json", o.json, "with --by: one JSON object per screen");
  app.add_option("--replay", o.script, "one action per line, from SCRIPT (- for standard input)")
      ->type_name("SCRIPT");
  app.add_flag("--report", o.report, "print the count report window's text");
  app.add_option("--print", o.printFile,
                 "print each shown screen (or the report) as 列印 does into FILE: a PDF when it "
                 "ends in .pdf, else text pages")
      ->type_name("FILE");
}

// The problem with a parsed command line, or nothing.
std::optional<std::string> usageProblem(const CLI::App& app, const Options& o) {
  const size_t modes = app.count("--by") + app.count("--replay") + app.count("--report");
  if (modes != 1) return "give one of --by, --replay or --report";
  if (!app.count("--by") && (app.count("KEY") || o.limit || o.json))
    return "KEY, --limit and --json go with --by";
  if (o.printFile && o.printFile->empty()) return "--print needs a file";
  if (o.printFile && app.count("--replay"))
    return "--print goes with --by or --report; a script prints with print FILE";
  if (fromUtf8(o.key).size() > size_t{kKeyBoxLimit})
    return "KEY has more than 12 characters, which the key box refuses";
  return std::nullopt;
}

std::optional<ReplayScript> readScript(const std::string& name, std::istream& in) {
  if (name == "-") return parseReplayScript(in);
  std::ifstream file(name, std::ios::binary);
  if (!file) return std::nullopt;
  return parseReplayScript(file);
}

}  // namespace

int runQueryCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err) {
  CLI::App app("The KV884 query window without a screen.", "kv884-query");
  addVersionFlag(app);
  Options o;
  defineOptions(app, o);
  if (std::optional<int> status = parseCommandLine(app, args, out, err)) return *status;
  if (std::optional<std::string> problem = usageProblem(app, o))
    return usageError(app, err, *problem);

  std::optional<ReplayScript> script;
  if (app.count("--replay")) {
    script = readScript(o.script, in);
    if (!script) return usageError(app, err, "cannot read " + o.script);
    if (script->badLine)
      return usageError(
          app, err, "line " + std::to_string(script->badLine) + " of the script is not an action");
  }
  Session session(o.folder, err);
  PrintFiles printFiles;
  int status = script     ? runReplayScript(session, *script, printFiles, out)
               : o.report ? runReport(session, o, printFiles, out)
                          : runBy(session, o, printFiles, out);
  if (std::string failed = printFiles.finish(); !failed.empty()) {
    err << "kv884-query: could not write " << failed << '\n';
    return kExitFailure;
  }
  return status;
}

}  // namespace kv884

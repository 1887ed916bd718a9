// kv884-query: the query window without a screen. It opens a data folder exactly as the start
// window's open button does and drives the same window objects, so what it prints is what the
// window would show.

#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/headless_ui.hpp"
#include "cli/json_output.hpp"
#include "cli/print_files.hpp"
#include "cli/replay.hpp"
#include "dataset/data_paths.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "startwin/report_window.hpp"

namespace kv884 {
namespace {

constexpr int kExitNoMatch = 1;
constexpr int kExitFailure = 2;
constexpr int kExitUsage = 64;

const char* const kUsage =
    "usage: kv884-query FOLDER --by KIND [KEY] [--limit N] [--json] [--print FILE]\n"
    "       kv884-query FOLDER --replay SCRIPT   (SCRIPT: a path, or - for standard input)\n"
    "       kv884-query FOLDER --report [--print FILE]\n"
    "KIND: id, account, holder or name\n"
    "--print FILE: print each shown screen (or the report) as 列印 does, one page each, into\n"
    "  FILE: a PDF when FILE ends in .pdf, else text pages separated by form feed lines\n";

struct Options {
  std::string folder;
  enum class Mode { By, Replay, Report } mode{Mode::By};
  std::u16string caption;
  std::u16string key;
  std::optional<long> limit;
  bool json{false};
  std::string script;
  std::optional<std::string> printFile;
};

int usage(const std::string& problem) {
  std::cerr << "kv884-query: " << problem << '\n' << kUsage;
  return kExitUsage;
}

std::optional<std::u16string> captionOf(const std::string& kind) {
  if (kind == "id") return u"依 統一編號";
  if (kind == "account") return u"依 帳號";
  if (kind == "holder") return u"依 戶號";
  if (kind == "name") return u"依 中文戶名";
  return std::nullopt;
}

// Parses the arguments; on bad usage returns the problem in `problem`.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& problem) {
  Options o;
  if (args.empty() || args[0].rfind("--", 0) == 0)
    return problem = "FOLDER is missing", std::nullopt;
  o.folder = args[0];
  bool haveMode = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto next = [&](std::string& value) {
      if (i + 1 >= args.size()) return false;
      value = args[++i];
      return true;
    };
    std::string value;
    if (a == "--by") {
      if (!next(value) || !captionOf(value))
        return problem = "--by needs id, account, holder or name", std::nullopt;
      o.mode = Options::Mode::By, o.caption = *captionOf(value), haveMode = true;
      if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) o.key = fromUtf8(args[++i]);
    } else if (a == "--replay") {
      if (!next(o.script)) return problem = "--replay needs a script", std::nullopt;
      o.mode = Options::Mode::Replay, haveMode = true;
    } else if (a == "--report") {
      o.mode = Options::Mode::Report, haveMode = true;
    } else if (a == "--limit") {
      char* end = nullptr;
      if (!next(value)) return problem = "--limit needs a number", std::nullopt;
      long n = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || n < 1)
        return problem = "--limit must be 1 or more", std::nullopt;
      o.limit = n;
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--print") {
      if (!next(value) || value.empty()) return problem = "--print needs a file", std::nullopt;
      o.printFile = value;
    } else {
      return problem = "unknown argument " + a, std::nullopt;
    }
  }
  if (!haveMode) return problem = "one of --by, --replay or --report is needed", std::nullopt;
  if (o.printFile && o.mode == Options::Mode::Replay)
    return problem = "--print goes with --by or --report; a script prints with print FILE",
           std::nullopt;
  if (o.key.size() > 12)
    return problem = "KEY has more than 12 characters, which the key box refuses", std::nullopt;
  return o;
}

// A message box on standard error: each CR LF a line break, then a line break.
void printMessage(const std::u16string& text) {
  std::string utf8 = toUtf8(text);
  for (size_t at; (at = utf8.find("\r\n")) != std::string::npos;) utf8.replace(at, 2, "\n");
  std::cerr << utf8 << '\n';
}

void printMessages(const std::vector<std::u16string>& messages) {
  for (const std::u16string& m : messages) printMessage(m);
}

bool open(Program& program, HeadlessUi& ui) {
  program.frm_0.cmd_1_Click();
  if (program.queryWindow()) return true;
  printMessages(ui.takeMessages());
  return false;
}

// Runs press (a 列印 button) with printer as the program's printer; false when the printer
// failed (its message is then on standard error).
bool pressPrint(Program& program, HeadlessUi& ui, PrintSurface& printer,
                const std::function<void()>& press) {
  program.printer = &printer;
  press();
  program.printer = nullptr;
  std::vector<std::u16string> messages = ui.takeMessages();
  printMessages(messages);
  return messages.empty();
}

int runBy(Program& program, HeadlessUi& ui, const Options& o, PrintFiles& printFiles) {
  if (!open(program, ui)) return kExitFailure;
  QueryWindow& w = *program.queryWindow();
  w.comb_1.text = o.caption;
  w.tx_i_01.text = o.key;
  // A sound key order shows each holder once: more screens than records means a cycle.
  const long bound = static_cast<long>(program.files.recordCount(kDetailIndexFile));
  const long limit = o.limit ? std::min(*o.limit, bound) : bound;
  w.cmd_1_Click();
  for (long shown = 0;;) {
    std::vector<std::u16string> messages = ui.takeMessages();
    if (!messages.empty()) {
      printMessages(messages);
      return messages.front().rfind(u"MSG_1_08", 0) == 0 ? kExitFailure : kExitNoMatch;
    }
    std::cout << (o.json ? screenJson(w) : screenText(w)) << '\n';
    if (o.printFile &&
        !pressPrint(program, ui, printFiles.surfaceFor(*o.printFile), [&] { w.cmd_4_Click(); }))
      return kExitFailure;
    if (++shown >= limit || !w.cmd_2.enabled) return 0;
    w.cmd_2_Click();
  }
}

int runReport(Program& program, HeadlessUi& ui, const Options& o, PrintFiles& printFiles) {
  program.frm_0.cmd_5_Click();
  ReportWindow* report = program.reportWindow();
  if (!report || !report->visible) {
    printMessages(ui.takeMessages());
    return kExitFailure;
  }
  std::cout << toUtf8(report->tx_o_01.text);
  if (o.printFile &&
      !pressPrint(program, ui, printFiles.surfaceFor(*o.printFile), [&] { report->cmd_1_Click(); }))
    return kExitFailure;
  return 0;
}

// Ends the PDF files; false (and a line on standard error) when one could not be written.
bool finishPrinting(PrintFiles& printFiles) {
  std::string failed = printFiles.finish();
  if (failed.empty()) return true;
  std::cerr << "kv884-query: could not write " << failed << '\n';
  return false;
}

int runReplayMode(Program& program, HeadlessUi& ui, const Options& o) {
  ReplayScript script;
  if (o.script == "-") {
    script = parseReplayScript(std::cin);
  } else {
    std::ifstream in(o.script, std::ios::binary);
    if (!in) return usage("cannot read " + o.script);
    script = parseReplayScript(in);
  }
  if (script.badLine)
    return usage("line " + std::to_string(script.badLine) + " of the script is not an action");
  if (!open(program, ui)) return kExitFailure;
  PrintFiles printFiles;
  int status = runReplay(program, ui, script, std::cout, printFiles);
  return finishPrinting(printFiles) ? status : kExitFailure;
}

}  // namespace
}  // namespace kv884

int main(int argc, char** argv) {
  using namespace kv884;
  std::string problem;
  std::optional<Options> options =
      parseOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
  if (!options) return usage(problem);

  HeadlessUi ui;
  Program program(ui);
  program.frm_0.tx_i_01.text = fromUtf8(options->folder);
  PrintFiles printFiles;
  switch (options->mode) {
    case Options::Mode::By: {
      int status = runBy(program, ui, *options, printFiles);
      return finishPrinting(printFiles) ? status : kExitFailure;
    }
    case Options::Mode::Report: {
      int status = runReport(program, ui, *options, printFiles);
      return finishPrinting(printFiles) ? status : kExitFailure;
    }
    case Options::Mode::Replay:
      return runReplayMode(program, ui, *options);
  }
  return kExitUsage;
}

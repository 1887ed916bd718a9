#include "cli/query_command.hpp"

#include <charconv>
#include <functional>
#include <istream>
#include <memory>
#include <optional>

#include "cli/batch_lookup.hpp"
#include "cli/csv_writer.hpp"
#include "cli/export_target.hpp"
#include "cli/json_output.hpp"
#include "cli/key_lines.hpp"
#include "cli/loaded_library.hpp"
#include "cli/print_files.hpp"
#include "cli/progress_meter.hpp"
#include "cli/register_export.hpp"
#include "cli/replay.hpp"
#include "cli/xlsx_writer.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/key_kind.hpp"
#include "headless/command_line.hpp"
#include "headless/headless_ui.hpp"
#include "headless/terminal_messages.hpp"
#include "platform/file_error.hpp"
#include "platform/host_path.hpp"
#include "platform/input_file.hpp"
#include "platform/output_file.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "startwin/report_window.hpp"

namespace kv884 {
namespace {

// A batch shows its progress from this many keys on; a shorter one is over before it would help.
constexpr int64_t kBatchProgressFrom = 5000;

struct Options {
  std::string folder;
  std::string kind;  // --by
  std::string key;
  std::optional<long> limit;
  bool json{false};
  bool exact{false};
  std::optional<std::string> keys;        // --keys
  std::optional<std::string> exportFile;  // --export
  std::string script;                     // --replay
  bool report{false};
  std::optional<std::string> printFile;
};

// The kind of --by; 統一編號 when it is left out (as --export may).
int kindOf(const Options& o) {
  for (const KeyKind& k : keyKinds())
    if (o.kind == k.commandName) return k.kind;
  return 1;
}

// The program over one data folder, with its messages going to err.
struct Session {
  Session(const std::string& folder, std::ostream& err) : program(ui), err(err) {
    program.frm_0.tx_i_01.text = pathTextOf(folder);
  }
  // Presses the start window's open button; false (the message on err) when it failed.
  bool open() {
    if (program.frm_0.cmd_1_Click() == ClickOutcome::Done) return true;
    printMessages(err, ui.takeMessages());
    return false;
  }
  // Presses a 列印 button with printer as the program's printer; false when the printer
  // failed (its message is then on err).
  bool print(PrintSurface& printer, const std::function<ClickOutcome()>& press) {
    program.printer = &printer;
    const ClickOutcome printed = press();
    program.printer = nullptr;
    printMessages(err, ui.takeMessages());
    return printed == ClickOutcome::Done;
  }

  HeadlessUi ui;
  Program program;
  std::ostream& err;
};

int runBy(Session& s, const Options& o, PrintFiles& printFiles, std::ostream& out) {
  if (!s.open()) return kExitFailure;
  QueryWindow& w = *s.program.queryWindow();
  w.comb_1.text = keyKind(kindOf(o)).caption;
  w.tx_i_01.text = fromUtf8(o.key);
  // A sound key order shows each holder once: more screens than records means a cycle.
  const long bound = static_cast<long>(s.program.files.recordCount(kDetailIndexFile));
  const long limit = o.limit ? std::min(*o.limit, bound) : bound;
  long shown = 0;
  for (ClickOutcome shows = w.cmd_1_Click();; shows = w.cmd_2_Click()) {
    if (shows != ClickOutcome::Done) {
      printMessages(s.err, s.ui.takeMessages());
      return exitStatusOf(shows);
    }
    out << (o.json ? jsonLine(screenJson(w)) : screenText(w)) << '\n';
    if (o.printFile &&
        !s.print(printFiles.surfaceFor(*o.printFile), [&] { return w.cmd_4_Click(); }))
      return kExitFailure;
    if (++shown >= limit || !w.cmd_2.enabled) return 0;
  }
}

// keys: standard input for -, else a file or a pipe opened by the one reading rule; read once. A
// read error met later ends the run with its file error.
int runBatch(Session& s, const Options& o, std::istream& keys, std::ostream& out,
             std::ostream* terminal) {
  if (!s.open()) return kExitFailure;
  ProgressMeter progress(terminal, u"筆查詢資料", kBatchProgressFrom);
  KeyLineReader reader(keys);
  return lookUpKeys(*s.program.queryWindow(), s.ui, s.program.files, kindOf(o), reader,
                    {out, o.json, o.exact, s.program.g_SecurityName, s.program.g_DecimalFlag},
                    progress);
}

std::unique_ptr<RegisterWriter> registerWriter(ExportFormat format, OutputFile& file,
                                               const Program& program) {
  if (format == ExportFormat::Csv) return std::make_unique<CsvWriter>(file);
  return std::make_unique<XlsxWriter>(file, program.g_DecimalFlag);
}

void reportWriteError(std::ostream& err, const std::string& file, const FileError& e) {
  err << "kv884-query: " << file << " 無法寫入：" << e.what() << "\n";
}

// The last line of an export that did not complete after its temporary file was made.
void reportNotExported(std::ostream& err, const std::string& file, int64_t written) {
  err << "kv884-query: 匯出中止：暫存檔寫入 " << written << " 位持有人後已刪除，" << file
      << " 保持原狀\n";
}

// Walks the key order into file, put in place once complete; the status.
int exportInto(Session& s, const Options& o, OutputFile& file, ProgressMeter& progress) {
  RegisterWalk walk;
  try {
    std::unique_ptr<RegisterWriter> writer =
        registerWriter(*exportFormatOf(*o.exportFile), file, s.program);
    writer->writeHeader();
    const RegisterSource source{*s.program.queryWindow(), s.ui, s.program.files,
                                s.program.g_SecurityName, s.program.g_DecimalFlag};
    walkRegister(source, kindOf(o), *writer, progress, walk);
    progress.finish();
    if (!walk.problems.empty()) {
      printMessages(s.err, walk.problems);
      reportNotExported(s.err, *o.exportFile, walk.shown);
      return kExitFailure;
    }
    writer->finish();
    file.commit();
    return 0;
  } catch (const FileError& e) {
    progress.finish();
    reportWriteError(s.err, *o.exportFile, e);
  } catch (const LibraryUnavailable& e) {
    s.err << "kv884-query: 無法載入 Excel 活頁簿程式庫：" << e.what() << "\n";
  }
  reportNotExported(s.err, *o.exportFile, walk.shown);
  return kExitFailure;
}

// The message that the data set's folder takes no file of the program's.
int refuseInDataFolder(const CLI::App& app, std::ostream& err, const std::string& option,
                       const std::string& file) {
  return usageError(
      app, err, option + " " + file + " lies in the data set's folder, which is only ever read");
}

int runExport(Session& s, const Options& o, const CLI::App& app, std::ostream* terminal) {
  if (!s.open()) return kExitFailure;
  std::optional<OutputFile> file;
  try {
    file.emplace(*o.exportFile, std::vector{dataFolderOnHost(pathTextOf(o.folder))});
  } catch (const TargetInReadOnlyFolder&) {
    return refuseInDataFolder(app, s.err, "--export", *o.exportFile);
  } catch (const FileError& e) {
    reportWriteError(s.err, *o.exportFile, e);
    return kExitFailure;
  }
  ProgressMeter progress(terminal, u"位持有人");
  progress.setTotal(s.program.files.recordCount(kDetailIndexFile));
  return exportInto(s, o, *file, progress);
}

int runReport(Session& s, const Options& o, PrintFiles& printFiles, std::ostream& out,
              bool outIsTerminal) {
  if (s.program.frm_0.cmd_5_Click() != ClickOutcome::Done) {
    printMessages(s.err, s.ui.takeMessages());
    return kExitFailure;
  }
  ReportWindow* report = s.program.reportWindow();
  out << toUtf8(report->tx_o_01.text);
  // The text exactly, as files and pipes take it; on a terminal a line break after it, so that
  // the prompt or a message that follows starts a line of its own.
  if (outIsTerminal) out << '\n';
  if (o.printFile &&
      !s.print(printFiles.surfaceFor(*o.printFile), [&] { return report->cmd_1_Click(); }))
    return kExitFailure;
  return 0;
}

int runReplayScript(Session& s, const ReplayScript& script, PrintFiles& printFiles,
                    std::ostream& out) {
  if (!s.open()) return kExitFailure;
  return runReplay(s.program, s.ui, script, out, printFiles);
}

// The problem with a number of screens below 1 ("" when there is none); text that is no number
// is left to the parser, which names it.
std::string screensAtLeastOne(const std::string& n) {
  long value = 0;
  const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), value);
  if (ec != std::errc() || end != n.data() + n.size() || value >= 1) return "";
  return "N is a number of screens, 1 or more, not " + n;
}

void defineOptions(CLI::App& app, Options& o) {
  app.add_option("FOLDER", o.folder, "the data folder, as the start window's folder box holds it")
      ->required();
  app.add_option("KEY", o.key, "with --by: the key typed into the key box (default empty)");
  std::vector<std::string> kinds;
  for (const KeyKind& k : keyKinds()) kinds.emplace_back(k.commandName);
  app.add_option("--by", o.kind,
                 "search by KIND, then 次筆 to the end (or with --keys, --export: the key order)")
      ->type_name("KIND")
      ->check(CLI::IsMember(kinds));
  app.add_option("--keys", o.keys,
                 "with --by: 查詢 for each line of FILE (- for standard input, or a pipe), one "
                 "output line each in the file's order: LINE<tab>KEY<tab> and the screen, or for "
                 "a line that finds nothing LINE<tab>KEY<tab>MESSAGE<tab>STATUS (with --json "
                 "\"line\" and \"key\", then the screen's fields or \"message\" and \"exit\"); "
                 "STATUS is 1 for no match, 2 for a record that cannot be read, 64 for a blank "
                 "line, a key over " +
                     std::to_string(kKeyBoxLimit) + " characters or bytes that are not UTF-8")
      ->type_name("FILE");
  app.add_option("--export", o.exportFile,
                 "write every holder in the order of --by (default " +
                     std::string(keyKind(1).commandName) +
                     ") into FILE, a CSV file (.csv) or an Excel workbook (.xlsx), readable by its "
                     "owner only; FILE is replaced only when complete and may not lie in the "
                     "data set's folder")
      ->type_name("FILE");
  app.add_option("--limit", o.limit, "with --by: at most N screens")
      ->type_name("N")
      ->check(CLI::Validator(screensAtLeastOne, "N >= 1"));
  app.add_flag("--json", o.json, "with --by: one JSON object per screen (or per line of --keys)");
  app.add_flag("--exact", o.exact,
               "with --keys: a key finds a holder only when it is the whole key field (its "
               "padding aside), not just its beginning");
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
  const bool lookUps = app.count("--by") || o.keys || o.exportFile;
  const size_t modes = (lookUps ? 1 : 0) + app.count("--replay") + app.count("--report");
  if (modes != 1) return "give one of --by, --export, --replay or --report";
  if (o.keys && o.exportFile) return "--keys and --export go apart";
  if (o.keys && !app.count("--by")) return "--keys needs --by KIND";
  if ((o.keys || o.exportFile) && (app.count("KEY") || o.limit))
    return "KEY and --limit go with a single search, not with --keys or --export";
  if (o.exportFile && o.json) return "--json does not go with --export";
  if (o.exact && !o.keys) return "--exact goes with --keys";
  if (o.exportFile && !exportFormatOf(*o.exportFile))
    return "--export FILE must end in .csv or .xlsx";
  if (!app.count("--by") && (app.count("KEY") || o.limit || o.json))
    return "KEY, --limit and --json go with --by";
  if (o.printFile && o.printFile->empty()) return "--print needs a file";
  if (o.printFile && (app.count("--replay") || o.keys || o.exportFile))
    return "--print goes with a single search or --report; a script prints with print FILE";
  if (fromUtf8(o.key).size() > size_t{kKeyBoxLimit})
    return "KEY has more than " + std::to_string(kKeyBoxLimit) +
           " characters, which the key box refuses";
  return std::nullopt;
}

// The script, read in one pass: from in, a file or a pipe. A read error ends the run with its
// file error instead of a script cut short.
ReplayScript readScript(const std::string& name, std::istream& in) {
  if (name == "-") return parseReplayScript(in);
  InputStream file(name);
  return parseReplayScript(file);
}

}  // namespace

int runQueryCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err, const StandardStreams& streams) {
  CLI::App app("The KV884 query window without a screen.", "kv884-query");
  addVersionFlag(app);
  Options o;
  defineOptions(app, o);
  if (std::optional<int> status = parseCommandLine(app, args, out, err)) return *status;
  if (std::optional<std::string> problem = usageProblem(app, o))
    return usageError(app, err, *problem);

  if (streams.inClosed && (o.script == "-" || o.keys == "-"))
    return usageError(app, err, "- reads standard input, which is closed");
  std::optional<ReplayScript> script;
  if (app.count("--replay")) {
    try {
      script = readScript(o.script, in);
    } catch (const FileError& e) {
      return unreadableFile(app, err, o.script, e);
    }
    if (script->badLine)
      return usageError(
          app, err, "line " + std::to_string(script->badLine) + " of the script is not an action");
  }
  std::unique_ptr<InputStream> keysFile;
  if (o.keys && *o.keys != "-") {
    try {
      keysFile = std::make_unique<InputStream>(*o.keys);
    } catch (const FileError& e) {
      return unreadableFile(app, err, *o.keys, e);
    }
  }
  std::ostream* terminal = streams.errIsTerminal ? &err : nullptr;  // long runs' progress
  PrintFiles printFiles({dataFolderOnHost(pathTextOf(o.folder))});
  if (o.printFile) {
    try {
      printFiles.open(*o.printFile);
    } catch (const TargetInReadOnlyFolder&) {
      return refuseInDataFolder(app, err, "--print", *o.printFile);
    } catch (const FileError& e) {
      reportWriteError(err, *o.printFile, e);
      return kExitFailure;
    }
  }
  Session session(o.folder, err);
  int status = script         ? runReplayScript(session, *script, printFiles, out)
               : o.report     ? runReport(session, o, printFiles, out, streams.outIsTerminal)
               : o.keys       ? runBatch(session, o, keysFile ? *keysFile : in, out, terminal)
               : o.exportFile ? runExport(session, o, app, terminal)
                              : runBy(session, o, printFiles, out);
  if (std::string failed = printFiles.finish(); !failed.empty()) {
    err << "kv884-query: could not write " << failed << '\n';
    return kExitFailure;
  }
  return status;
}

}  // namespace kv884

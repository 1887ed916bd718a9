#include "cli/replay.hpp"

#include <istream>
#include <ostream>

#include "cli/json_output.hpp"
#include "cli/print_files.hpp"
#include "dataset/key_kind.hpp"
#include "headless/headless_ui.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"

namespace kv884 {

namespace {

using Verb = ReplayAction::Verb;

// "verb" alone, or "verb " and its text (blanks kept).
bool takeVerb(const std::string& line, const std::string& verb, std::u16string& text) {
  if (line == verb) {
    text.clear();
    return true;
  }
  if (line.compare(0, verb.size() + 1, verb + " ") != 0) return false;
  text = fromUtf8(line.substr(verb.size() + 1));
  return true;
}

std::optional<ReplayAction> parseAction(const std::string& line) {
  static const std::pair<const char*, Verb> kPlain[] = {
      {"clickkey", Verb::ClickKey}, {"search", Verb::Search}, {"next", Verb::Next},
      {"prev", Verb::Prev},         {"fwd", Verb::Fwd},       {"close", Verb::Close},
      {"open", Verb::Open}};
  for (const auto& [word, verb] : kPlain)
    if (line == word) return ReplayAction{verb, {}, line};

  std::u16string text;
  if (takeVerb(line, "kind", text)) return ReplayAction{Verb::Kind, text, line};
  if (takeVerb(line, "key", text)) {
    if (text.size() > size_t{kKeyBoxLimit})
      text.resize(size_t{kKeyBoxLimit});  // the box takes no more
    return ReplayAction{Verb::Key, text, line};
  }
  if (takeVerb(line, "pick", text) && kindOfCaption(text))
    return ReplayAction{Verb::Pick, text, line};
  if (line.rfind("print ", 0) == 0 && line.size() > 6)
    return ReplayAction{Verb::Print, {}, line, line.substr(6)};
  return std::nullopt;
}

// A button that may be disabled: pressing it then does nothing.
bool pressIfEnabled(QueryWindow& w, Button QueryControls::*button, void (QueryWindow::*click)()) {
  if (!(w.*button).enabled) return false;
  (w.*click)();
  return true;
}

// Performs one action; false when the control it needs is disabled or the window is not loaded.
bool perform(Program& program, const ReplayAction& action, PrintFiles& printFiles) {
  if (action.verb == Verb::Open) {
    if (!program.frm_0.cmd_1.enabled) return false;
    program.frm_0.cmd_1_Click();
    return true;
  }
  QueryWindow* w = program.queryWindow();
  if (!w) return false;
  switch (action.verb) {
    case Verb::Kind:
      w->comb_1.text = action.text;
      return true;
    case Verb::Pick:
      w->comb_1.text = action.text;
      w->comb_1_Click();
      return true;
    case Verb::Key:
      w->tx_i_01.text = action.text;
      return true;
    case Verb::ClickKey:
      w->tx_i_01_Click();
      return true;
    case Verb::Search:
      w->cmd_1_Click();
      return true;
    case Verb::Next:
      return pressIfEnabled(*w, &QueryWindow::cmd_2, &QueryWindow::cmd_2_Click);
    case Verb::Prev:
      return pressIfEnabled(*w, &QueryWindow::cmd_5, &QueryWindow::cmd_5_Click);
    case Verb::Fwd:
      return pressIfEnabled(*w, &QueryWindow::cmd_6, &QueryWindow::cmd_6_Click);
    case Verb::Print:
      program.printer = &printFiles.surfaceFor(action.file);
      w->cmd_4_Click();
      program.printer = nullptr;
      return true;
    case Verb::Close:
      w->cmd_3_Click();
      return true;
    case Verb::Open:
      break;
  }
  return false;
}

}  // namespace

ReplayScript parseReplayScript(std::istream& in) {
  ReplayScript script;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::optional<ReplayAction> action = parseAction(line);
    if (!action) {
      script.badLine = number;
      return script;
    }
    script.actions.push_back(*action);
  }
  return script;
}

int runReplay(Program& program, HeadlessUi& ui, const ReplayScript& script, std::ostream& out,
              PrintFiles& printFiles) {
  out << jsonLine(replayJson("", ui.takeMessages(), false, program.queryWindow())) << '\n';
  for (const ReplayAction& action : script.actions) {
    bool done = perform(program, action, printFiles);
    out << jsonLine(replayJson(action.line, ui.takeMessages(), !done, program.queryWindow()))
        << '\n';
  }
  return 0;
}

}  // namespace kv884

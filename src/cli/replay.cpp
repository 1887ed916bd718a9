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

// Performs one action: the outcome of its click, Done for typing, Disabled when the window is
// not loaded.
ClickOutcome perform(Program& program, const ReplayAction& action, PrintFiles& printFiles) {
  if (action.verb == Verb::Open) return program.frm_0.cmd_1_Click();
  QueryWindow* w = program.queryWindow();
  if (!w) return ClickOutcome::Disabled;
  switch (action.verb) {
    case Verb::Kind:
      w->comb_1.text = action.text;
      return ClickOutcome::Done;
    case Verb::Pick:
      w->comb_1.text = action.text;
      return w->comb_1_Click();
    case Verb::Key:
      w->tx_i_01.text = action.text;
      return ClickOutcome::Done;
    case Verb::ClickKey:
      return w->tx_i_01_Click();
    case Verb::Search:
      return w->cmd_1_Click();
    case Verb::Next:
      return w->cmd_2_Click();
    case Verb::Prev:
      return w->cmd_5_Click();
    case Verb::Fwd:
      return w->cmd_6_Click();
    case Verb::Print: {
      program.printer = &printFiles.surfaceFor(action.file);
      const ClickOutcome printed = w->cmd_4_Click();
      program.printer = nullptr;
      return printed;
    }
    case Verb::Close:
      return w->cmd_3_Click();
    case Verb::Open:
      break;
  }
  return ClickOutcome::Disabled;
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
    const bool disabled = perform(program, action, printFiles) == ClickOutcome::Disabled;
    out << jsonLine(replayJson(action.line, ui.takeMessages(), disabled, program.queryWindow()))
        << '\n';
  }
  return 0;
}

}  // namespace kv884

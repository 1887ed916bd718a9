#pragma once
// --replay: one action per line on the query window (and the start window's open button), and
// after each the window's state as one JSON line.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kv884 {

class Program;
class HeadlessUi;
class PrintFiles;

struct ReplayAction {
  enum class Verb { Kind, Pick, Key, ClickKey, Search, Next, Prev, Fwd, Print, Close, Open };
  Verb verb;
  std::u16string text;  // kind, pick, key: the text
  std::string line;     // the line as written
  std::string file{};   // print: the file, relative to the working folder
};

// The actions of a script, or the number (1-based) of the first line that is not an action.
struct ReplayScript {
  std::vector<ReplayAction> actions;
  int badLine{0};
};

ReplayScript parseReplayScript(std::istream& in);

// Runs the script on an open program, printing the line after each action; `print FILE` prints
// through printFiles. Returns the exit status.
int runReplay(Program& program, HeadlessUi& ui, const ReplayScript& script, std::ostream& out,
              PrintFiles& printFiles);

}  // namespace kv884

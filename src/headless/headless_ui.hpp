#pragma once
// The window system without a screen, for kv884-query, kv884-check, the tests and the benchmarks:
// message boxes are kept in order until taken, the folder dialog answers from a queue (cancelled
// when it is empty), and the wait pointer, the shown windows and the end of the program are
// remembered. Nothing grows with the number of clicks but the messages not yet taken.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ui.hpp"

namespace kv884 {

struct ShownMessage {
  std::u16string text;
  std::u16string caption;
  MessageIcon icon;
};

class HeadlessUi : public Ui {
 public:
  void messageBox(const std::u16string& text, const std::u16string& caption,
                  MessageIcon icon) override;
  std::u16string browseForFolder(const std::u16string& prompt) override;
  void setWaitPointer(WindowId window, std::string_view control, bool wait) override;
  void repaintNow(WindowId) override { ++repaints; }
  void showWindow(WindowId window) override { shown.insert(window); }
  void unloadWindow(WindowId window) override { shown.erase(window); }
  void endProgram() override { ended = true; }

  // The texts of the message boxes shown since the last call.
  std::vector<std::u16string> takeMessages();
  bool isShown(WindowId window) const { return shown.count(window) != 0; }

  std::vector<ShownMessage> messages;        // not yet taken
  std::deque<std::u16string> folderAnswers;  // what the folder dialog returns next
  std::vector<std::u16string> prompts;       // the folder dialog's titles, in order
  std::map<std::string, int> waitPointers;   // how often each control showed the wait pointer
  std::set<std::string> waiting;             // the controls showing it now
  int repaints{0};
  std::set<WindowId> shown;
  bool ended{false};
};

}  // namespace kv884

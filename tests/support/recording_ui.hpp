#pragma once
// A Ui that records what the windows ask of it: every message box with its caption and icon,
// the wait pointer calls, repaints, shown and unloaded windows; the folder dialog answers from a
// queue the test fills (empty text, the cancel, when the queue is empty).

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "platform/ui.hpp"

namespace kv884::test {

struct ShownMessage {
  std::u16string text;
  std::u16string caption;
  MessageIcon icon;
};

class RecordingUi : public Ui {
 public:
  void messageBox(const std::u16string& text, const std::u16string& caption,
                  MessageIcon icon) override {
    messages.push_back({text, caption, icon});
  }
  std::u16string browseForFolder(const std::u16string& prompt) override {
    prompts.push_back(prompt);
    if (folderAnswers.empty()) return {};
    std::u16string answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
  }
  void setWaitPointer(WindowId, std::string_view control, bool wait) override {
    pointerCalls.push_back(std::string(control) + (wait ? "+wait" : "-wait"));
  }
  void repaintNow(WindowId) override { ++repaints; }
  void showWindow(WindowId window) override { shown.insert(window); }
  void unloadWindow(WindowId window) override { shown.erase(window); }
  void endProgram() override { ended = true; }

  // The texts of the messages shown so far, and forget them.
  std::vector<std::u16string> takeTexts() {
    std::vector<std::u16string> texts;
    for (const ShownMessage& m : messages) texts.push_back(m.text);
    messages.clear();
    return texts;
  }

  std::vector<std::u16string> captions() const {
    std::vector<std::u16string> all;
    for (const ShownMessage& m : messages) all.push_back(m.caption);
    return all;
  }

  std::vector<ShownMessage> messages;
  std::vector<std::u16string> prompts;
  std::deque<std::u16string> folderAnswers;
  std::vector<std::string> pointerCalls;
  int repaints{0};
  std::set<WindowId> shown;
  bool ended{false};
};

}  // namespace kv884::test

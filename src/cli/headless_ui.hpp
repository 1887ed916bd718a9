#pragma once
// The window system without a screen: message boxes are collected in order, the folder dialog is
// cancelled, pointers and repaints are nothing to show, and the windows shown are remembered.

#include <set>
#include <string>
#include <vector>

#include "platform/ui.hpp"

namespace kv884 {

class HeadlessUi : public Ui {
 public:
  void messageBox(const std::u16string& text, const std::u16string& caption,
                  MessageIcon icon) override;
  std::u16string browseForFolder(const std::u16string& prompt) override;
  void setWaitPointer(WindowId, std::string_view, bool) override {}
  void repaintNow(WindowId) override {}
  void showWindow(WindowId window) override { shown_.insert(window); }
  void unloadWindow(WindowId window) override { shown_.erase(window); }
  void endProgram() override {}

  // The texts of the message boxes shown since the last call.
  std::vector<std::u16string> takeMessages();
  bool isShown(WindowId window) const { return shown_.count(window) != 0; }

 private:
  std::vector<std::u16string> messages_;
  std::set<WindowId> shown_;
};

}  // namespace kv884

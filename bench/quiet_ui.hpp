#pragma once
// A window system that does nothing: the benchmarks time the window logic alone. Message boxes
// are only counted, and their text kept when a check asks for it.

#include <string>

#include "platform/ui.hpp"

namespace kv884::bench {

class QuietUi : public Ui {
 public:
  void messageBox(const std::u16string& text, const std::u16string&, MessageIcon) override {
    ++messages;
    if (keepText) lastMessage = text;
  }
  std::u16string browseForFolder(const std::u16string&) override { return {}; }
  void setWaitPointer(WindowId, std::string_view, bool) override {}
  void repaintNow(WindowId) override {}
  void showWindow(WindowId) override {}
  void unloadWindow(WindowId) override {}
  void endProgram() override {}

  long messages{0};
  bool keepText{false};
  std::u16string lastMessage;
};

}  // namespace kv884::bench

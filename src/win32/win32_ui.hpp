#pragma once
// The window system for the window logic on Win32: message boxes, the folder dialog, the wait
// cursor, repainting, and the three views, created when their window is shown and gone when it
// is unloaded; and the message loop that runs them.

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui.hpp"
#include "startwin/program.hpp"

namespace kv884 {

class View;

// The modal dialogs, replaceable so that tests never wait on a dialog.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message box with an OK button only; informationIcon, else no icon.
  virtual void message(HWND owner, const std::u16string& text, const std::u16string& caption,
                       bool informationIcon) = 0;
  // The chosen folder, or empty text when the dialog was cancelled.
  virtual std::u16string chooseFolder(HWND owner, const std::u16string& title) = 0;
};

// MessageBoxW and the shell's folder picker.
class ShellDialogs : public Dialogs {
 public:
  void message(HWND owner, const std::u16string& text, const std::u16string& caption,
               bool informationIcon) override;
  std::u16string chooseFolder(HWND owner, const std::u16string& title) override;
};

class Win32Ui : public Ui {
 public:
  Win32Ui();
  ~Win32Ui() override;
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

  // Creates the start view of the program; call once, right after the program is made.
  void attach(Program& program);
  void setDialogs(std::unique_ptr<Dialogs> dialogs) { dialogs_ = std::move(dialogs); }

  // The view of a window; null while the window is not shown.
  View* view(WindowId window) const;
  void refreshAll();
  bool ending() const { return ending_; }

  // Runs the message loop until the program ends; the exit status.
  int run();
  // Gives the views a message before it is dispatched: Tab, Shift+Tab, Space and Enter move
  // and press as in a dialog. True when the message has been handled.
  bool preTranslate(MSG& message);
  // After a message: the views of unloaded windows go, the control with the focus is in sight.
  void afterMessage();

  void messageBox(const std::u16string& text, const std::u16string& caption,
                  MessageIcon icon) override;
  std::u16string browseForFolder(const std::u16string& prompt) override;
  void setWaitPointer(WindowId window, std::string_view control, bool wait) override;
  void repaintNow(WindowId window) override;
  void showWindow(WindowId window) override;
  void unloadWindow(WindowId window) override;
  void endProgram() override;

 private:
  std::unique_ptr<View>& shown(WindowId window) { return views_[static_cast<size_t>(window)]; }

  Program* program_{nullptr};
  std::unique_ptr<Dialogs> dialogs_;
  std::array<std::unique_ptr<View>, 3> views_;  // by WindowId
  // Views of unloaded windows, whose handler may still be running; gone after the message.
  std::vector<std::unique_ptr<View>> retired_;
  bool ending_{false};
};

// The desktop program: the window logic with the Win32 window system under it.
struct Desktop {
  Desktop() { ui.attach(program); }
  Win32Ui ui;
  Program program{ui};
};

}  // namespace kv884

#pragma once
// What the window logic needs of the window system. The Qt front end and the headless front end
// each implement it; the windows never see a widget.

#include <string>
#include <string_view>

namespace kv884 {

enum class WindowId { Start, Query, Report };

enum class MessageIcon { None, Information };

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box with an OK button only.
  virtual void messageBox(const std::u16string& text, const std::u16string& caption,
                          MessageIcon icon) = 0;

  // The folder dialog: the chosen folder's full path, or empty text when nothing was chosen.
  virtual std::u16string browseForFolder(const std::u16string& prompt) = 0;

  // The wait pointer over one control (a button's name such as "cmd_1"), and back.
  virtual void setWaitPointer(WindowId window, std::string_view control, bool wait) = 0;

  // Make the window show its current control data at once, inside a running handler.
  virtual void repaintNow(WindowId window) = 0;

  // Show a window without making it modal and without an owner; unload it.
  virtual void showWindow(WindowId window) = 0;
  virtual void unloadWindow(WindowId window) = 0;

  // End the program: every window closes.
  virtual void endProgram() = 0;

  // The program's own message box: captioned with the program's title, OK only, no icon.
  void programMessage(const std::u16string& text) { messageBox(text, u"KV884", MessageIcon::None); }
};

// Shows the wait pointer over a control for the life of the guard, so every way out of a handler
// restores the default pointer.
class WaitPointer {
 public:
  WaitPointer(Ui& ui, WindowId window, std::string_view control)
      : ui_(ui), window_(window), control_(control) {
    ui_.setWaitPointer(window_, control_, true);
  }
  ~WaitPointer() { ui_.setWaitPointer(window_, control_, false); }
  WaitPointer(const WaitPointer&) = delete;
  WaitPointer& operator=(const WaitPointer&) = delete;

 private:
  Ui& ui_;
  WindowId window_;
  std::string_view control_;
};

}  // namespace kv884

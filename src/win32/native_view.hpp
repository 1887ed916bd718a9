#pragma once
// What the three Win32 views share. A view makes the controls of one window with the standard
// control classes, where the window's layout table puts them, passes every event to the
// window's handler and copies the window's control data back into the controls after every
// handler: it decides nothing, not even where the focus goes when a handler disables the
// control that has it.

#include <functional>
#include <string_view>
#include <vector>

#include "layout/picture_shapes.hpp"
#include "platform/click_outcome.hpp"
#include "platform/controls.hpp"
#include "win32/form.hpp"

namespace kv884 {

class Win32Ui;

// A window on the screen.
class View {
 public:
  View(std::u16string_view title, const WindowLayout& layout) : form_(title, layout) {}
  virtual ~View() = default;
  // Copies the window's control data into the controls; nothing while the window is not loaded.
  virtual void refresh() = 0;
  Form& form() { return form_; }

 protected:
  Form form_;
};

// The colours the windows name.
inline constexpr COLORREF kBlue = RGB(0x00, 0x00, 0xFF);
inline constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
inline constexpr COLORREF kOlive = RGB(0x80, 0x80, 0x00);
inline constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
inline constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
inline constexpr COLORREF kRed = RGB(0xFF, 0x00, 0x00);
inline constexpr COLORREF kYellow = RGB(0xFF, 0xFF, 0x00);

template <typename Window>
class NativeView : public View {
 public:
  ~NativeView() override;
  void refresh() override;

 protected:
  using Handler = ClickOutcome (Window::*)();

  // The close box runs closeHandler, as the window's own button does.
  NativeView(Win32Ui& ui, std::function<Window*()> window, std::u16string_view title,
             const WindowLayout& layout, Handler closeHandler);

  // Runs a handler of the loaded window, then refreshes every view, since a handler of one
  // window may change another (結束 enables the open button).
  void run(Handler handler);
  void onRefresh(std::function<void(const Window&)> copy) { copies_.push_back(std::move(copy)); }

  void banner();
  void line(std::string_view name);
  HWND label(std::string_view name, const Label& control, const FaceAndSize& font, DWORD alignment,
             std::optional<Colours> colours = std::nullopt, DWORD style = 0);
  // A click (the mouse, Space, Enter) runs handler; without one the button does nothing.
  HWND button(std::string_view name, Button Window::*control, const FaceAndSize& font,
              Handler handler = nullptr, DWORD style = BS_PUSHBUTTON | BS_MULTILINE);
  // A button as above with the arrow picture inside its border in place of its caption, greyed
  // while the button is disabled.
  void pictureButton(std::string_view name, Button Window::*control, Handler handler,
                     ArrowDirection direction);
  // Typing into the box changes the control's text and nothing else.
  HWND textBox(std::string_view name, TextBox Window::*control, const FaceAndSize& font,
               DWORD style, std::optional<Colours> colours, bool border = true);
  // A pick from the list sets the control's text and runs pick; without one it does nothing.
  HWND comboBox(std::string_view name, ComboBox Window::*control, const FaceAndSize& font,
                Colours colours, Handler pick = nullptr);
  // A press of the left mouse button into the control runs handler.
  void onMousePress(HWND control, Handler handler);

  Win32Ui& ui_;

 private:
  static LRESULT CALLBACK pressed(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR view);
  void followTyping(HWND field, std::function<std::u16string&(Window&)> text, WORD changed);

  std::function<Window*()> window_;
  std::vector<std::function<void(const Window&)>> copies_;
  std::vector<std::pair<HWND, Handler>> mousePresses_;
  std::vector<HBITMAP> pictures_;
  bool copying_{false};  // the changes a refresh makes are no typing
};

}  // namespace kv884

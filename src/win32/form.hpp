#pragma once
// A window of the program on Win32: a fixed single border; the controls on a layout area where
// the window's layout table puts them, twips scaled by the dots per inch of the monitor the
// window stands on, again whenever it moves to another; scroll bars where the window is smaller
// than the layout, which always bring the control with the focus into sight. Controls are named
// after their control data; the view that owns the form binds them to it.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layout/layout_tables.hpp"
#include "win32/window_faces.hpp"

namespace kv884 {

struct Colours {
  COLORREF text;
  COLORREF background;
};

class Form {
 public:
  Form(std::u16string_view title, const WindowLayout& layout);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND handle() const { return window_; }
  int dpi() const { return dpi_; }
  const WindowLayout& layout() const { return layout_; }

  // A child control at its table place; colours are the system's when not given.
  HWND add(std::string_view name, const wchar_t* windowClass, DWORD style, DWORD extendedStyle,
           const FaceAndSize& font, std::optional<Colours> colours = std::nullopt);
  // The control of that name, or null.
  HWND control(std::string_view name) const;
  // The name of a control, or of the control a part belongs to (a combo box's text field);
  // empty for a window that is no control of this form.
  std::string_view nameOf(HWND window) const;

  // Runs action with the notification code of every WM_COMMAND the control sends.
  void onCommand(HWND control, std::function<void(WORD)> action);
  // Runs draw whenever an owner-drawn control (BS_OWNERDRAW) is to be drawn.
  void onDraw(HWND control, std::function<void(const DRAWITEMSTRUCT&)> draw);
  // The order in which Tab walks the controls; the controls left out never take the focus by it.
  void setKeyboardOrder(std::initializer_list<std::string_view> names);
  void setWaitCursor(HWND control, bool wait);
  // A multi-line box that Tab and Shift+Tab leave, as every other control, instead of typing a
  // tab into it.
  static void passTabOn(HWND box);
  // The close box.
  std::function<void()> onClose;

  // Centred on its monitor, its client area the layout's size where the work area allows.
  void showCentred();
  void showMaximised();
  void scrollToFocus();

 private:
  struct Control {
    std::string name;
    HWND window;
    FaceAndSize font;
    std::optional<Colours> colours;
    HBRUSH brush{nullptr};
    std::function<void(WORD)> command;
    std::function<void(const DRAWITEMSTRUCT&)> draw;
  };

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT formMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT areaMessage(UINT message, WPARAM wParam, LPARAM lParam);
  const Control* find(HWND window) const;
  LRESULT colour(HDC dc, HWND window);
  HFONT font(const FaceAndSize& wanted);
  void place(const Control& control);
  void applyDpi(int dpi);
  void updateScrollBars();
  void scroll(int bar, WORD request);
  void scrollTo(int x, int y);

  const WindowLayout& layout_;
  HWND window_{nullptr};
  HWND area_{nullptr};
  int dpi_{kDefaultDpi};
  int scrollX_{0};
  int scrollY_{0};
  std::vector<Control> controls_;
  std::vector<std::pair<FaceAndSize, HFONT>> fonts_;
  std::vector<HWND> waiting_;
};

// A u16string's characters as Windows' wide characters, which are UTF-16 too.
inline const wchar_t* wide(const std::u16string& text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
std::u16string windowText(HWND window);

}  // namespace kv884

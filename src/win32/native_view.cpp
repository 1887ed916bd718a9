#include "win32/native_view.hpp"

#include <commctrl.h>

#include "platform/face_names.hpp"
#include "querywin/query_window.hpp"
#include "startwin/report_window.hpp"
#include "startwin/start_window.hpp"
#include "win32/pictures.hpp"
#include "win32/win32_ui.hpp"

namespace kv884 {
namespace {

// Copies a text into a control only when it differs, so the caret of a box being typed into
// stays where the typing goes on; what the program puts into a box shows from its beginning (a
// long security name keeps its code in sight).
void showText(HWND box, const std::u16string& text, bool fromStart) {
  if (windowText(box) == text) return;
  SetWindowTextW(box, wide(text));
  if (fromStart) SendMessageW(box, EM_SETSEL, 0, 0);
}

void enable(HWND control, bool enabled) {
  if (static_cast<bool>(IsWindowEnabled(control)) != enabled) EnableWindow(control, enabled);
}

}  // namespace

template <typename Window>
NativeView<Window>::NativeView(Win32Ui& ui, std::function<Window*()> window,
                               std::u16string_view title, const WindowLayout& layout,
                               Handler closeHandler)
    : View(title, layout), ui_(ui), window_(std::move(window)) {
  form_.onClose = [this, closeHandler] {
    if (!ui_.ending()) run(closeHandler);
  };
}

template <typename Window>
NativeView<Window>::~NativeView() {
  for (const auto& [control, handler] : mousePresses_)
    RemoveWindowSubclass(control, &NativeView::pressed, 0);
  for (HBITMAP picture : pictures_) DeleteObject(picture);
}

template <typename Window>
void NativeView<Window>::refresh() {
  const Window* window = window_();
  if (!window) return;
  HWND focused = GetFocus();
  const std::string_view focusedName = form_.nameOf(focused);
  copying_ = true;
  for (const auto& copy : copies_) copy(*window);
  copying_ = false;
  // Windows takes the focus away from a control that is disabled, and Tab would go on from
  // wherever the clerk clicks next; the window names the heir.
  if constexpr (requires { window->focusHeir(std::string_view()); }) {
    HWND control = form_.control(focusedName);
    if (control && !IsWindowEnabled(control))
      if (HWND heir = form_.control(window->focusHeir(focusedName))) SetFocus(heir);
  }
}

template <typename Window>
void NativeView<Window>::run(Handler handler) {
  if (Window* window = window_()) {
    (window->*handler)();
    ui_.refreshAll();
  }
}

template <typename Window>
void NativeView<Window>::banner() {
  HWND picture =
      form_.add("Image1", WC_STATICW, SS_BITMAP | SS_REALSIZECONTROL, 0, {kArialFace, 9});
  pictures_.push_back(drawBanner());
  SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.back()));
  // The picture takes its bitmap's size when given it; the layout's size again.
  const PixelRect rect = pixelRect(form_.layout().place("Image1"), form_.dpi());
  SetWindowPos(picture, nullptr, 0, 0, rect.width, rect.height, SWP_NOMOVE | SWP_NOZORDER);
}

template <typename Window>
void NativeView<Window>::line(std::string_view name) {
  form_.add(name, WC_STATICW, 0, 0, {kArialFace, 9}, Colours{kGrey, kGrey});
}

template <typename Window>
HWND NativeView<Window>::label(std::string_view name, const Label& control, const FaceAndSize& font,
                               DWORD alignment, std::optional<Colours> colours, DWORD style) {
  HWND label = form_.add(name, WC_STATICW, alignment | SS_NOPREFIX | style, 0, font, colours);
  SetWindowTextW(label, wide(control.caption));
  return label;
}

template <typename Window>
HWND NativeView<Window>::button(std::string_view name, Button Window::*control,
                                const FaceAndSize& font, Handler handler, DWORD style) {
  HWND button = form_.add(name, WC_BUTTONW, style, 0, font);
  if (handler)
    form_.onCommand(button, [this, handler](WORD notification) {
      if (notification == BN_CLICKED) run(handler);
    });
  onRefresh([button, control](const Window& window) {
    const Button& state = window.*control;
    showText(button, state.caption, false);
    enable(button, state.enabled);
  });
  return button;
}

template <typename Window>
void NativeView<Window>::pictureButton(std::string_view name, Button Window::*control,
                                       Handler handler, ArrowDirection direction) {
  // Drawn by the view: a bitmap button (BS_BITMAP) draws its picture at its own size over the
  // border and embosses it when disabled.
  HWND picture = button(name, control, {kArialFace, 9}, handler, BS_OWNERDRAW);
  const HBITMAP shown = drawArrowPicture(direction, false);
  const HBITMAP greyed = drawArrowPicture(direction, true);
  pictures_.insert(pictures_.end(), {shown, greyed});
  form_.onDraw(picture, [shown, greyed](const DRAWITEMSTRUCT& item) {
    drawPictureButton(item, item.itemState & ODS_DISABLED ? greyed : shown);
  });
}

template <typename Window>
void NativeView<Window>::followTyping(HWND field, std::function<std::u16string&(Window&)> text,
                                      WORD changed) {
  form_.onCommand(field, [this, field, text, changed](WORD notification) {
    if (notification != changed || copying_) return;
    if (Window* window = window_()) text(*window) = windowText(field);
  });
}

template <typename Window>
HWND NativeView<Window>::textBox(std::string_view name, TextBox Window::*control,
                                 const FaceAndSize& font, DWORD style,
                                 std::optional<Colours> colours, bool border) {
  HWND box = form_.add(name, WC_EDITW, ES_AUTOHSCROLL | style, border ? WS_EX_CLIENTEDGE : 0, font,
                       colours);
  followTyping(
      box, [control](Window& window) -> std::u16string& { return (window.*control).text; },
      EN_CHANGE);
  onRefresh([this, box, control](const Window& window) {
    const TextBox& state = window.*control;
    SendMessageW(box, EM_SETLIMITTEXT, static_cast<WPARAM>(state.maxLength), 0);
    SendMessageW(box, EM_SETREADONLY, state.readOnly, 0);
    showText(box, state.text, state.readOnly || GetFocus() != box);
    enable(box, state.enabled);
  });
  return box;
}

template <typename Window>
HWND NativeView<Window>::comboBox(std::string_view name, ComboBox Window::*control,
                                  const FaceAndSize& font, Colours colours, Handler pick) {
  HWND combo =
      form_.add(name, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, font, colours);
  for (const std::u16string& item : (window_()->*control).items)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item)));
  // The field as high as the layout's box where its font allows; the list drops below it.
  const int wanted = pixelRect(form_.layout().place(name), form_.dpi()).height;
  const auto field = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  RECT whole;
  GetWindowRect(combo, &whole);
  const int excess = static_cast<int>(whole.bottom - whole.top) - wanted;
  SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field - excess);
  SendMessageW(combo, CB_SETMINVISIBLE, (window_()->*control).items.size(), 0);
  form_.onCommand(combo, [this, combo, control, pick](WORD notification) {
    if (notification == CBN_EDITCHANGE && !copying_) {
      if (Window* window = window_()) (window->*control).text = windowText(combo);
      return;
    }
    if (notification != CBN_SELCHANGE || !pick) return;
    const auto index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (Window* window = window_(); window && index != CB_ERR) {
      (window->*control).text = (window->*control).items.at(static_cast<size_t>(index));
      run(pick);
    }
  });
  onRefresh([combo, control](const Window& window) {
    const ComboBox& state = window.*control;
    showText(combo, state.text, false);
    enable(combo, state.enabled);
  });
  return combo;
}

template <typename Window>
void NativeView<Window>::onMousePress(HWND control, Handler handler) {
  mousePresses_.emplace_back(control, handler);
  SetWindowSubclass(control, &NativeView::pressed, 0, reinterpret_cast<DWORD_PTR>(this));
}

template <typename Window>
LRESULT CALLBACK NativeView<Window>::pressed(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR view) {
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_LBUTTONDOWN) {
    auto* self = reinterpret_cast<NativeView*>(view);
    for (const auto& [control, handler] : self->mousePresses_)
      if (control == window) self->run(handler);
  }
  return result;
}

template class NativeView<StartWindow>;
template class NativeView<QueryWindow>;
template class NativeView<ReportWindow>;

}  // namespace kv884

#include "win32/form.hpp"

#include <commctrl.h>

#include <algorithm>

namespace kv884 {
namespace {

constexpr wchar_t kFormClass[] = L"KV884Form";
constexpr wchar_t kAreaClass[] = L"KV884LayoutArea";
// The first control's identifier; the rest follow in the order they were added.
constexpr int kFirstControlId = 100;
// A click on a scroll bar's arrow moves this many pixels.
constexpr int kScrollLine = 20;

// A single border, a title bar with the system menu, the minimise and the close box: the
// windows cannot be resized, and only the program maximises them.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                             WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;

void registerClasses() {
  static const bool registered = [] {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = DefWindowProcW;
    form.hInstance = GetModuleHandleW(nullptr);
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.hIcon = LoadIconW(form.hInstance, MAKEINTRESOURCEW(1));
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);
    form.hIcon = nullptr;
    form.lpszClassName = kAreaClass;
    RegisterClassExW(&form);
    return true;
  }();
  (void)registered;
}

LRESULT CALLBACK withoutTab(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (message != WM_GETDLGCODE) return result;
  const auto* key = reinterpret_cast<const MSG*>(lParam);
  if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
    return result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
  return result & ~DLGC_WANTTAB;
}

bool cursorOver(HWND window) {
  POINT cursor;
  RECT place;
  return GetCursorPos(&cursor) && GetWindowRect(window, &place) && PtInRect(&place, cursor);
}

}  // namespace

std::u16string windowText(HWND window) {
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()),
                                                 static_cast<int>(text.size()))));
  return text;
}

Form::Form(std::u16string_view title, const WindowLayout& layout) : layout_(layout) {
  registerClasses();
  const std::u16string caption(title);
  window_ = CreateWindowExW(0, kFormClass, wide(caption), kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  dpi_ = static_cast<int>(GetDpiForWindow(window_));
  const PixelSize size = layout_.pixelSize(dpi_);
  // The area passes Tab on to its controls, as a dialog's own controls.
  area_ =
      CreateWindowExW(WS_EX_CONTROLPARENT, kAreaClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, size.width,
                      size.height, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  for (HWND w : {window_, area_}) {
    SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::procedure));
  }
  updateScrollBars();
}

Form::~Form() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  SetWindowLongPtrW(area_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  for (const Control& c : controls_)
    if (c.brush) DeleteObject(c.brush);
  for (const auto& [wanted, handle] : fonts_) DeleteObject(handle);
}

HWND Form::add(std::string_view name, const wchar_t* windowClass, DWORD style, DWORD extendedStyle,
               const FaceAndSize& font, std::optional<Colours> colours) {
  const auto id = static_cast<INT_PTR>(kFirstControlId + controls_.size());
  HWND window =
      CreateWindowExW(extendedStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                      area_, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
  Control& control =
      controls_.emplace_back(Control{std::string(name), window, font, colours, nullptr, {}, {}});
  if (colours) control.brush = CreateSolidBrush(colours->background);
  place(control);
  return window;
}

HWND Form::control(std::string_view name) const {
  for (const Control& c : controls_)
    if (c.name == name) return c.window;
  return nullptr;
}

const Form::Control* Form::find(HWND window) const {
  for (HWND w = window; w && w != area_; w = GetParent(w))
    for (const Control& c : controls_)
      if (c.window == w) return &c;
  return nullptr;
}

std::string_view Form::nameOf(HWND window) const {
  const Control* c = find(window);
  return c ? std::string_view(c->name) : std::string_view();
}

void Form::onCommand(HWND control, std::function<void(WORD)> action) {
  for (Control& c : controls_)
    if (c.window == control) c.command = std::move(action);
}

void Form::onDraw(HWND control, std::function<void(const DRAWITEMSTRUCT&)> draw) {
  for (Control& c : controls_)
    if (c.window == control) c.draw = std::move(draw);
}

void Form::setKeyboardOrder(std::initializer_list<std::string_view> names) {
  for (const Control& c : controls_) {
    const bool inOrder = std::find(names.begin(), names.end(), c.name) != names.end();
    const LONG_PTR style = GetWindowLongPtrW(c.window, GWL_STYLE);
    SetWindowLongPtrW(c.window, GWL_STYLE, inOrder ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
  // The dialog manager walks the controls in their order on the area, first to last.
  HWND before = HWND_TOP;
  for (std::string_view name : names) {
    HWND next = control(name);
    SetWindowPos(next, before, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    before = next;
  }
}

void Form::setWaitCursor(HWND control, bool wait) {
  std::erase(waiting_, control);
  if (wait) waiting_.push_back(control);
  // The handler that asks for it runs without a pause for the cursor's own message.
  if (cursorOver(control)) SetCursor(LoadCursorW(nullptr, wait ? IDC_WAIT : IDC_ARROW));
}

void Form::passTabOn(HWND box) {
  SetWindowSubclass(box, withoutTab, 0, 0);
}

void Form::showCentred() {
  HMONITOR monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  const PixelSize size = layout_.pixelSize(dpi_);
  RECT frame{0, 0, size.width, size.height};
  AdjustWindowRectExForDpi(&frame, kFormStyle & ~(WS_HSCROLL | WS_VSCROLL), FALSE, 0,
                           static_cast<UINT>(dpi_));
  const RECT& work = info.rcWork;
  const int width = std::min<int>(frame.right - frame.left, work.right - work.left);
  const int height = std::min<int>(frame.bottom - frame.top, work.bottom - work.top);
  SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, SW_SHOW);
}

void Form::showMaximised() {
  ShowWindow(window_, SW_SHOWMAXIMIZED);
  SetForegroundWindow(window_);
}

void Form::scrollToFocus() {
  HWND focused = GetFocus();
  const Control* c = focused ? find(focused) : nullptr;
  if (!c) return;
  RECT place;
  GetWindowRect(c->window, &place);
  MapWindowPoints(nullptr, area_, reinterpret_cast<POINT*>(&place), 2);
  RECT client;
  GetClientRect(window_, &client);
  int x = scrollX_;
  int y = scrollY_;
  if (place.right > x + client.right) x = place.right - client.right;
  if (place.left < x) x = place.left;
  if (place.bottom > y + client.bottom) y = place.bottom - client.bottom;
  if (place.top < y) y = place.top;
  if (x != scrollX_ || y != scrollY_) scrollTo(x, y);
}

LRESULT CALLBACK Form::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  return window == form->window_ ? form->formMessage(message, wParam, lParam)
                                 : form->areaMessage(message, wParam, lParam);
}

LRESULT Form::formMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (onClose) onClose();
      return 0;  // the view decides whether the window goes
    case WM_SIZE:
      updateScrollBars();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
      return 0;
    case WM_DPICHANGED: {
      applyDpi(HIWORD(wParam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT Form::areaMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (const Control* c = find(reinterpret_cast<HWND>(lParam)); c && c->command) {
        const std::function<void(WORD)> command = c->command;  // the handler may unload the form
        command(HIWORD(wParam));
      }
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (const Control* c = find(item->hwndItem); c && c->draw) {
        c->draw(*item);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (LRESULT brush = colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return brush;
      break;
    case WM_SETCURSOR:
      if (std::find(waiting_.begin(), waiting_.end(), reinterpret_cast<HWND>(wParam)) !=
          waiting_.end()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
  }
  return DefWindowProcW(area_, message, wParam, lParam);
}

LRESULT Form::colour(HDC dc, HWND window) {
  const Control* c = find(window);
  if (!c || !c->colours) return 0;
  SetTextColor(dc, c->colours->text);
  SetBkColor(dc, c->colours->background);
  return reinterpret_cast<LRESULT>(c->brush);
}

HFONT Form::font(const FaceAndSize& wanted) {
  for (const auto& [made, handle] : fonts_)
    if (made == wanted) return handle;
  HDC dc = GetDC(window_);
  HFONT made = createFont(dc, wanted, dpi_);
  ReleaseDC(window_, dc);
  fonts_.emplace_back(wanted, made);
  return made;
}

void Form::place(const Control& control) {
  const PixelRect rect = pixelRect(layout_.place(control.name), dpi_);
  SetWindowPos(control.window, nullptr, rect.left, rect.top, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font(control.font)), TRUE);
}

void Form::applyDpi(int dpi) {
  dpi_ = dpi;
  for (const auto& [wanted, handle] : fonts_) DeleteObject(handle);
  fonts_.clear();
  const PixelSize size = layout_.pixelSize(dpi_);
  SetWindowPos(area_, nullptr, 0, 0, size.width, size.height, SWP_NOZORDER | SWP_NOMOVE);
  for (const Control& c : controls_) place(c);
  updateScrollBars();
}

void Form::updateScrollBars() {
  RECT client;
  GetClientRect(window_, &client);
  const PixelSize size = layout_.pixelSize(dpi_);
  for (auto [bar, length, page] : {std::tuple{SB_HORZ, size.width, client.right},
                                   std::tuple{SB_VERT, size.height, client.bottom}}) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = length - 1;
    info.nPage = static_cast<UINT>(std::max<LONG>(page, 0));
    SetScrollInfo(window_, bar, &info, TRUE);
  }
  scrollTo(std::min(scrollX_, std::max(0, size.width - static_cast<int>(client.right))),
           std::min(scrollY_, std::max(0, size.height - static_cast<int>(client.bottom))));
}

void Form::scroll(int bar, WORD request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(window_, bar, &info);
  int position = info.nPos;
  switch (request) {
    case SB_LINEUP:
      position -= kScrollLine;
      break;
    case SB_LINEDOWN:
      position += kScrollLine;
      break;
    case SB_PAGEUP:
      position -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      position += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    default:
      return;
  }
  position = std::clamp(position, 0, std::max(0, info.nMax + 1 - static_cast<int>(info.nPage)));
  if (bar == SB_HORZ)
    scrollTo(position, scrollY_);
  else
    scrollTo(scrollX_, position);
}

void Form::scrollTo(int x, int y) {
  scrollX_ = std::max(0, x);
  scrollY_ = std::max(0, y);
  SetScrollPos(window_, SB_HORZ, scrollX_, TRUE);
  SetScrollPos(window_, SB_VERT, scrollY_, TRUE);
  SetWindowPos(area_, nullptr, -scrollX_, -scrollY_, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

}  // namespace kv884

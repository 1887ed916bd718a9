#include "win32/win32_ui.hpp"

#include <commctrl.h>

#include "win32/views.hpp"

namespace kv884 {
namespace {

bool isButton(HWND window) {
  wchar_t name[16]{};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, WC_BUTTONW) == 0;
}

}  // namespace

Win32Ui::Win32Ui() : dialogs_(std::make_unique<ShellDialogs>()) {}

Win32Ui::~Win32Ui() = default;

void Win32Ui::attach(Program& program) {
  program_ = &program;
  shown(WindowId::Start) = std::make_unique<StartView>(program, *this);
}

View* Win32Ui::view(WindowId window) const {
  return views_[static_cast<size_t>(window)].get();
}

void Win32Ui::refreshAll() {
  for (const auto& view : views_)
    if (view) view->refresh();
}

int Win32Ui::run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!preTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    afterMessage();
  }
  return static_cast<int>(message.wParam);
}

bool Win32Ui::preTranslate(MSG& message) {
  for (const auto& view : views_) {
    if (!view) continue;
    HWND form = view->form().handle();
    if (message.hwnd != form && !IsChild(form, message.hwnd)) continue;
    // Enter presses a focused button as Space does; no button is a default button.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
      if (isButton(message.hwnd)) SendMessageW(message.hwnd, BM_CLICK, 0, 0);
      return true;
    }
    return IsDialogMessageW(form, &message);
  }
  return false;
}

void Win32Ui::afterMessage() {
  retired_.clear();
  for (const auto& view : views_)
    if (view && GetActiveWindow() == view->form().handle()) view->form().scrollToFocus();
}

void Win32Ui::messageBox(const std::u16string& text, const std::u16string& caption,
                         MessageIcon icon) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = view(WindowId::Start)->form().handle();
  dialogs_->message(owner, text, caption, icon == MessageIcon::Information);
}

std::u16string Win32Ui::browseForFolder(const std::u16string& prompt) {
  return dialogs_->chooseFolder(view(WindowId::Start)->form().handle(), prompt);
}

void Win32Ui::setWaitPointer(WindowId window, std::string_view control, bool wait) {
  if (View* shownView = view(window))
    if (HWND widget = shownView->form().control(control))
      shownView->form().setWaitCursor(widget, wait);
}

void Win32Ui::repaintNow(WindowId window) {
  refreshAll();
  if (View* shownView = view(window))
    RedrawWindow(shownView->form().handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Ui::showWindow(WindowId window) {
  std::unique_ptr<View>& view = shown(window);
  if (!view) {
    if (window == WindowId::Query)
      view = std::make_unique<QueryView>(*program_, *this);
    else
      view = std::make_unique<ReportView>(*program_, *this);
  }
  view->refresh();
  if (window == WindowId::Start)
    view->form().showCentred();
  else
    view->form().showMaximised();
}

void Win32Ui::unloadWindow(WindowId window) {
  std::unique_ptr<View>& view = shown(window);
  if (window == WindowId::Start || !view) return;
  ShowWindow(view->form().handle(), SW_HIDE);
  retired_.push_back(std::move(view));
}

void Win32Ui::endProgram() {
  ending_ = true;
  for (const auto& view : views_)
    if (view) ShowWindow(view->form().handle(), SW_HIDE);
  PostQuitMessage(0);
}

}  // namespace kv884

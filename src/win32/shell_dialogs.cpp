// The message boxes and the folder dialog of the shell.

#include <shobjidl.h>

#include "win32/form.hpp"
#include "win32/win32_ui.hpp"

namespace kv884 {
namespace {

// Releases a COM interface when it goes.
template <typename Interface>
struct Held {
  Interface* p{nullptr};
  ~Held() {
    if (p) p->Release();
  }
};

}  // namespace

void ShellDialogs::message(HWND owner, const std::u16string& text, const std::u16string& caption,
                           bool informationIcon) {
  MessageBoxW(owner, wide(text), wide(caption),
              MB_OK | (informationIcon ? MB_ICONINFORMATION : 0) | MB_SETFOREGROUND);
}

// The shell's folder picker, in the language of the user's Windows: file-system folders only.
std::u16string ShellDialogs::chooseFolder(HWND owner, const std::u16string& title) {
  Held<IFileOpenDialog> dialog;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&dialog.p))))
    return {};
  FILEOPENDIALOGOPTIONS options = 0;
  dialog.p->GetOptions(&options);
  dialog.p->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
  dialog.p->SetTitle(wide(title));
  Held<IShellItem> chosen;
  if (FAILED(dialog.p->Show(owner)) || FAILED(dialog.p->GetResult(&chosen.p))) return {};
  wchar_t* path = nullptr;
  if (FAILED(chosen.p->GetDisplayName(SIGDN_FILESYSPATH, &path))) return {};
  std::u16string result(reinterpret_cast<const char16_t*>(path));
  CoTaskMemFree(path);
  return result;
}

}  // namespace kv884

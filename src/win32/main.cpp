// kv884.exe: the desktop viewer on Windows. `kv884 [FOLDER]` opens the start window, with FOLDER
// in its folder box when given. A program without a console: --help, --version and a usage
// error answer in a message box.

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <objbase.h>

#include <sstream>

#include "headless/command_line.hpp"
#include "platform/program_start.hpp"
#include "platform/utf.hpp"
#include "win32/form.hpp"
#include "win32/gdi_print_surface.hpp"
#include "win32/win32_ui.hpp"

namespace {

void showAnswer(const std::string& text) {
  const std::u16string shown = kv884::fromUtf8(text);
  MessageBoxW(nullptr, kv884::wide(shown), L"kv884", MB_OK);
}

int runDesktop() {
  CLI::App app{"The viewer of a book-entry allotment register (帳簿劃撥配發資料).", "kv884"};
  kv884::addVersionFlag(app);
  std::string folder;
  app.add_option("FOLDER", folder, "The data folder to put into the start window.");
  std::ostringstream out;
  std::ostringstream err;
  if (std::optional<int> status =
          kv884::parseCommandLine(app, kv884::startProgram(0, nullptr), out, err)) {
    showAnswer(out.str() + err.str());
    return *status;
  }
  // Twips scaled by each monitor's own dots per inch, not a bitmap the system stretches.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // One printer object for the whole run: the default printer is looked up for each document.
  kv884::GdiPrintSurface printer;
  kv884::Desktop desktop;
  desktop.program.printer = &printer;
  desktop.program.frm_0.tx_i_01.text = kv884::fromUtf8(folder);
  desktop.ui.showWindow(kv884::WindowId::Start);
  return desktop.ui.run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    return runDesktop();
  } catch (const std::exception& e) {
    showAnswer(std::string("kv884: 無法完成：") + e.what());
    return 2;
  }
}

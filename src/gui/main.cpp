// kv884: the desktop viewer. `kv884 [--eudc-font FILE] [FOLDER]` opens the start window, with
// FOLDER in its folder box when given.

#include <QApplication>
#include <QFile>
#include <iostream>

#include "gui/desktop_command_line.hpp"
#include "gui/desktop_setup.hpp"
#include "gui/qt_print_surface.hpp"
#include "gui/qt_ui.hpp"
#include "gui/user_defined_characters.hpp"
#include "headless/exit_usage.hpp"
#include "headless/guarded_main.hpp"
#include "platform/program_start.hpp"

namespace {

// The program from its command line to the end of its event loop.
int runDesktop(char** argv, const kv884::DesktopArguments& arguments) {
  int qtArgc = 1;  // the arguments are read already; Qt takes its settings from the environment
  QApplication app(qtArgc, argv);
  const QString named = QFile::decodeName(arguments.eudcFont.c_str());
  const QString eudcFont = kv884::userDefinedCharacterFontFile(named);
  if (!kv884::setUpDesktop(app, eudcFont)) {
    if (!named.isEmpty())
      return kv884::usageError("kv884", std::cerr,
                               arguments.eudcFont + " is not a font that can be loaded");
    std::cerr << kv884::unloadableFontNote(QStringLiteral("kv884"), eudcFont).toStdString() << '\n';
  }
  // One printer object for the whole run: the default printer is looked up for each document.
  std::unique_ptr<kv884::QtPrintSurface> printer = kv884::QtPrintSurface::defaultPrinter();
  kv884::Desktop desktop;
  desktop.program.printer = printer.get();
  desktop.program.frm_0.tx_i_01.text = arguments.folder;
  desktop.ui.showWindow(kv884::WindowId::Start);
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  return kv884::guardedMain("kv884", [&](const kv884::StandardStreams&) {
    kv884::DesktopArguments arguments;
    if (std::optional<int> status = kv884::readDesktopCommandLine(kv884::startProgram(argc, argv),
                                                                  std::cout, std::cerr, arguments))
      return *status;
    return runDesktop(argv, arguments);
  });
}

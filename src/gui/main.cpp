// kv884: the desktop viewer. `kv884 [FOLDER]` opens the start window, with FOLDER in its folder
// box when given.

#include <QApplication>
#include <QStringList>

#include "gui/font_substitutions.hpp"
#include "gui/qt_print_surface.hpp"
#include "gui/qt_ui.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kv884::installFontSubstitutions();
  // One printer object for the whole run: the default printer is looked up for each document.
  std::unique_ptr<kv884::QtPrintSurface> printer = kv884::QtPrintSurface::defaultPrinter();
  kv884::Desktop desktop;
  desktop.program.printer = printer.get();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) desktop.program.frm_0.tx_i_01.text = arguments[1].toStdU16String();
  desktop.ui.showWindow(kv884::WindowId::Start);
  return QApplication::exec();
}

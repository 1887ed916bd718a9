// The PDF printer as a loadable module: QtPrintSurface writing into a PDF file, with the face
// name substitutions, the user-defined characters (from KV884_EUDC_FONT or the per-user file, as
// the desktop program finds them) and, in a process without one, an offscreen QGuiApplication
// for the fonts.

#include "platform/pdf_module.hpp"

#include <QGuiApplication>
#include <cstdio>

#include "gui/font_substitutions.hpp"
#include "gui/qt_print_surface.hpp"
#include "gui/user_defined_characters.hpp"

namespace {

QGuiApplication* ownApplication = nullptr;
int openSurfaces = 0;

void ensureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "kv884-pdf";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");  // no display is needed to lay out a page
  // Standard error belongs to kv884-query's messages: Qt's own notes go nowhere.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  ownApplication = new QGuiApplication(argc, argv);
  kv884::installFontSubstitutions();
  // Said as the desktop program says it: the pages show 〓 for every user-defined character.
  const QString fontFile = kv884::userDefinedCharacterFontFile();
  if (!kv884::installUserDefinedCharacters(fontFile))
    std::fprintf(
        stderr, "%s\n",
        kv884::unloadableFontNote(QStringLiteral("kv884-query"), fontFile).toUtf8().constData());
}

}  // namespace

extern "C" __attribute__((visibility("default"))) kv884::PrintSurface* kv884_pdf_open(
    const char* path) {
  ensureApplication();
  ++openSurfaces;
  return kv884::QtPrintSurface::pdfFile(QString::fromUtf8(path)).release();
}

extern "C" __attribute__((visibility("default"))) bool kv884_pdf_close(
    kv884::PrintSurface* surface) {
  auto* pdf = static_cast<kv884::QtPrintSurface*>(surface);
  const bool written = pdf->finish();
  delete pdf;
  if (--openSurfaces == 0 && ownApplication) {
    delete ownApplication;
    ownApplication = nullptr;
  }
  return written;
}

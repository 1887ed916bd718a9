// kv884: the desktop viewer. `kv884 [--eudc-font FILE] [FOLDER]` opens the start window, with
// FOLDER in its folder box when given.

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>
#include <optional>

#include "gui/desktop_setup.hpp"
#include "gui/qt_print_surface.hpp"
#include "gui/qt_ui.hpp"
#include "gui/user_defined_characters.hpp"
#include "platform/input_file.hpp"
#include "platform/standard_streams.hpp"

namespace {

constexpr int kExitUsage = 64;

struct Arguments {
  QString folder;
  QString eudcFont;
};

int usageError(const QString& reason) {
  QTextStream(stderr) << "kv884: " << reason << " (--help shows the usage)\n";
  return kExitUsage;
}

// The status to end with once standard output, where --help and --version answer, is written.
int afterOutput(int status) {
  if (std::optional<kv884::FileError> lost = kv884::finishStandardOutput()) {
    QTextStream(stderr) << "kv884: 標準輸出無法寫入：" << lost->number() << ' '
                        << QString::fromStdU16String(lost->description()) << '\n';
    return 2;
  }
  return status;
}

// Reads the command line before any window system is needed, so that --help and --version
// answer without a display. Gives the exit status when the program is to end at once.
std::optional<int> parseArguments(int argc, char** argv, Arguments& arguments) {
  QCoreApplication::setApplicationName(QStringLiteral("kv884"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KV884_VERSION));
  QStringList words;
  for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("The viewer of a book-entry allotment register (帳簿劃撥配發資料)."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption eudcFont(
      QStringLiteral("eudc-font"),
      QStringLiteral("Draw and print user-defined characters from the TrueType font FILE (an "
                     "office's EUDC.TTE); else from $KV884_EUDC_FONT, else from "
                     "~/.local/share/kv884/eudc.tte, else as 〓."),
      QStringLiteral("FILE"));
  parser.addOption(eudcFont);
  parser.addPositionalArgument(QStringLiteral("FOLDER"),
                               QStringLiteral("The data folder to put into the start window."),
                               QStringLiteral("[FOLDER]"));

  if (!parser.parse(words)) return usageError(parser.errorText());
  if (parser.isSet(help)) {
    // Without an application object the parser does not know the program's name.
    QTextStream(stdout) << parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                     QStringLiteral("kv884"));
    return 0;
  }
  if (parser.isSet(version)) {
    QTextStream(stdout) << "kv884 " << KV884_VERSION << '\n';
    return 0;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1)
    return usageError(QStringLiteral("one FOLDER at most, not ") + positional.join(' '));
  arguments.folder = positional.value(0);
  arguments.eudcFont = parser.value(eudcFont);
  if (parser.isSet(eudcFont)) {
    try {
      kv884::InputFile(QFile::encodeName(arguments.eudcFont).toStdString(), kv884::InputKind::File);
    } catch (const kv884::FileError& e) {
      return usageError(QStringLiteral("cannot read the font file %1: %2 %3")
                            .arg(arguments.eudcFont)
                            .arg(e.number())
                            .arg(QString::fromStdU16String(e.description())));
    }
  }
  return std::nullopt;
}

// The program from its command line to the end of its event loop.
int runDesktop(int argc, char** argv) {
  Arguments arguments;
  if (std::optional<int> status = parseArguments(argc, argv, arguments))
    return afterOutput(*status);

  int qtArgc = 1;  // the arguments are read above; Qt takes its settings from the environment
  QApplication app(qtArgc, argv);
  const QString eudcFont = kv884::userDefinedCharacterFontFile(arguments.eudcFont);
  if (!kv884::setUpDesktop(app, eudcFont)) {
    if (!arguments.eudcFont.isEmpty())
      return usageError(arguments.eudcFont + QStringLiteral(" is not a font that can be loaded"));
    QTextStream(stderr) << kv884::unloadableFontNote(QStringLiteral("kv884"), eudcFont) << '\n';
  }
  // One printer object for the whole run: the default printer is looked up for each document.
  std::unique_ptr<kv884::QtPrintSurface> printer = kv884::QtPrintSurface::defaultPrinter();
  kv884::Desktop desktop;
  desktop.program.printer = printer.get();
  desktop.program.frm_0.tx_i_01.text = arguments.folder.toStdU16String();
  desktop.ui.showWindow(kv884::WindowId::Start);
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  kv884::secureStandardStreams();
  try {
    return runDesktop(argc, argv);
  } catch (const std::exception& e) {
    QTextStream(stderr) << "kv884: 無法完成：" << e.what() << '\n';
    return 2;
  }
}

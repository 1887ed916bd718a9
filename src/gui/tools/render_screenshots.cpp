// kv884-screenshots FOLDER OUTDIR: opens FOLDER as a user would, searches, and saves pictures of
// the start window, the query window after the search and the count report window into OUTDIR.

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTextStream>
#include <cstdio>

#include "gui/font_substitutions.hpp"
#include "gui/qt_ui.hpp"
#include "gui/query_view.hpp"
#include "gui/report_view.hpp"
#include "gui/start_view.hpp"
#include "querywin/query_window.hpp"

namespace {

// Messages go to standard error; no dialog waits for a person.
class PrintedDialogs : public kv884::Dialogs {
 public:
  void message(QWidget*, const QString& text, const QString& caption, bool) override {
    QTextStream(stderr) << caption << ": " << text << '\n';
  }
  QString chooseFolder(QWidget*, const QString&) override { return {}; }
};

void press(QWidget* view, const char* button) {
  view->findChild<QPushButton*>(QString::fromLatin1(button))->click();
  QApplication::processEvents();
}

bool save(QWidget* view, const QDir& folder, const char* name) {
  QApplication::processEvents();
  const QString file = folder.filePath(QString::fromLatin1(name));
  if (!view || !view->grab().save(file)) {
    QTextStream(stderr) << "cannot save " << file << '\n';
    return false;
  }
  QTextStream(stdout) << file << '\n';
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() != 3) {
    std::fputs("usage: kv884-screenshots FOLDER OUTDIR\n", stderr);
    return 64;
  }
  kv884::installFontSubstitutions();
  const QDir out(arguments[2]);
  QDir().mkpath(out.path());

  kv884::Desktop desktop;
  desktop.ui.setDialogs(std::make_unique<PrintedDialogs>());
  desktop.program.frm_0.tx_i_01.text = arguments[1].toStdU16String();
  desktop.ui.showWindow(kv884::WindowId::Start);
  bool saved = save(desktop.ui.startView(), out, "start_window.png");

  press(desktop.ui.startView(), "cmd_1");
  if (kv884::QueryWindow* query = desktop.program.queryWindow()) {
    query->tx_i_01.text = u"A1";
    desktop.ui.refreshAll();
    press(desktop.ui.queryView(), "cmd_1");
    press(desktop.ui.queryView(), "cmd_2");
  }
  saved = save(desktop.ui.queryView(), out, "query_window.png") && saved;

  press(desktop.ui.startView(), "cmd_5");
  saved = save(desktop.ui.reportView(), out, "report_window.png") && saved;
  return saved ? 0 : 1;
}

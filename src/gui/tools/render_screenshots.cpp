// kv884-screenshots FOLDER OUTDIR EUDC_FONT LISTED: opens FOLDER as a user would and saves pictures
// into OUTDIR: the start window, the query window after a search by 統一編號 and one 次筆, the
// count report window, and the query window showing a holder whose name has a user-defined
// character (FOLDER's holder 0000138069), drawn as 〓 and then from the font file EUDC_FONT; and
// the folder dialog, listing the folder LISTED.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "gui/desktop_setup.hpp"
#include "gui/dialog_boxes.hpp"
#include "gui/qt_ui.hpp"
#include "gui/user_defined_characters.hpp"
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

// Searches in the query window of the opened set: key kind and key as typed, then 查詢.
void search(kv884::Desktop& desktop, std::u16string_view kind, const char16_t* key) {
  kv884::QueryWindow* query = desktop.program.queryWindow();
  if (!query) return;
  query->comb_1.text = std::u16string(kind);
  query->tx_i_01.text = key;
  desktop.ui.refreshAll();
  press(desktop.ui.view(kv884::WindowId::Query), "cmd_1");
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
  if (arguments.size() != 5) {
    std::fputs("usage: kv884-screenshots FOLDER OUTDIR EUDC_FONT LISTED\n", stderr);
    return 64;
  }
  kv884::setUpDesktop(app, {});
  const QDir out(arguments[2]);
  QDir().mkpath(out.path());

  kv884::Desktop desktop;
  desktop.ui.setDialogs(std::make_unique<PrintedDialogs>());
  desktop.program.frm_0.tx_i_01.text = arguments[1].toStdU16String();
  desktop.ui.showWindow(kv884::WindowId::Start);
  bool saved = save(desktop.ui.view(kv884::WindowId::Start), out, "start_window.png");

  // Out of the way, so that the other windows open whole on a screen without a window manager.
  desktop.ui.view(kv884::WindowId::Start)->hide();
  press(desktop.ui.view(kv884::WindowId::Start), "cmd_1");
  search(desktop, kv884::keyKind(1).caption, u"A1");
  press(desktop.ui.view(kv884::WindowId::Query), "cmd_2");
  saved = save(desktop.ui.view(kv884::WindowId::Query), out, "query_window.png") && saved;

  press(desktop.ui.view(kv884::WindowId::Start), "cmd_5");
  saved = save(desktop.ui.view(kv884::WindowId::Report), out, "report_window.png") && saved;

  search(desktop, kv884::keyKind(3).caption, u"0000138069");
  saved = save(desktop.ui.view(kv884::WindowId::Query), out, "user_defined_mark.png") && saved;
  // The same holder in a window opened after the font was given.
  if (!kv884::installUserDefinedCharacters(arguments[3])) return 1;
  press(desktop.ui.view(kv884::WindowId::Query), "cmd_3");
  press(desktop.ui.view(kv884::WindowId::Start), "cmd_1");
  search(desktop, kv884::keyKind(3).caption, u"0000138069");
  saved = save(desktop.ui.view(kv884::WindowId::Query), out, "user_defined_font.png") && saved;
  // The folder dialog in its detail view, once the file list has been read.
  const std::unique_ptr<QFileDialog> dialog = kv884::makeFolderDialog(
      desktop.ui.view(kv884::WindowId::Start), QString::fromUtf16(u"選擇檔案所在資料夾"));
  dialog->setDirectory(arguments[4]);
  dialog->setViewMode(QFileDialog::Detail);
  dialog->show();
  QEventLoop listing;
  QTimer::singleShot(1000, &listing, &QEventLoop::quit);
  listing.exec();
  saved = save(dialog.get(), out, "folder_dialog.png") && saved;
  return saved ? 0 : 1;
}

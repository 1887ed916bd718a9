// The windows as the desktop shows them: Qt's dialogs in Chinese without button icons, boxes
// that show the beginning of what the program puts in them, fixed maximised windows, and every
// control within reach on the screen at hand (this test program runs again on a 1280 x 1024
// screen at twice the scale).

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

using WindowTest = DesktopTest;

// The buttons of the modal dialog that opens, read once it is up, and closed.
QStringList dialogButtons(const std::function<void()>& open) {
  QStringList buttons;
  QTimer::singleShot(0, [&buttons] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->isVisible())
        buttons << button->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)|&"))) +
                       (button->icon().isNull() ? QString() : QStringLiteral("+icon"));
    static_cast<QDialog*>(dialog)->reject();
  });
  open();
  buttons.sort();
  return buttons;
}

TEST_F(WindowTest, DialogsOfQtSpeakChineseAndTheirButtonsHaveNoIcons) {
  QtDialogs dialogs;
  const struct {
    const char* name;
    std::function<void()> open;
    QStringList buttons;
  } cases[] = {
      {"message box",
       [&] { dialogs.message(start(), QStringLiteral("x"), QStringLiteral("KV884"), false); },
       {QString::fromUtf16(u"確定")}},
      {"folder dialog",
       [&] { dialogs.chooseFolder(start(), QString::fromUtf16(u"選擇檔案所在資料夾")); },
       {QString::fromUtf16(u"取消"), QString::fromUtf16(u"選擇")}},
  };
  for (const auto& c : cases) EXPECT_EQ(dialogButtons(c.open), c.buttons) << c.name;
}

// A long text put into a box by the program shows its beginning; the folder box shows the whole
// folder as its tooltip.
TEST_F(WindowTest, BoxesFilledByTheProgramShowTheBeginningOfTheirText) {
  const std::filesystem::path folder = copyFixture("basic", temp.path());
  writeFile(
      folder / "ntridx" / "security.txt",
      "\"7701\",\"LONG SECURITY NAME THAT PASSES THE END OF THE BOX\",\"20150115\",\"Y\"\r\n");
  const QString longFolder = QString::fromStdString(folder.string()) +
                             QStringLiteral("/").repeated(1) +
                             QStringLiteral("a-folder-name-long-enough-to-pass-the-end-of-the-box");
  dialogs->folderAnswer = longFolder;
  click(start(), "lab_01");
  QLineEdit* folderBox = control<QLineEdit>(start(), "tx_i_01");
  EXPECT_EQ(folderBox->cursorPosition(), 0);
  EXPECT_EQ(folderBox->toolTip(), longFolder);

  openFolder(folder);
  ASSERT_NE(query(), nullptr);
  search(QString::fromUtf16(u"依 統一編號"), QStringLiteral("B1200003"));
  QLineEdit* security = control<QLineEdit>(query(), "tx_o_01");
  ASSERT_TRUE(security->text().contains(QStringLiteral("LONG SECURITY NAME")));
  EXPECT_EQ(security->cursorPosition(), 0);
}

class EveryScreen : public DesktopTest {
 protected:
  void openAll() {
    openFolder(copyFixture("basic", temp.path()));
    click(start(), "cmd_5");
    ASSERT_NE(query(), nullptr);
    ASSERT_NE(report(), nullptr);
    QApplication::processEvents();
  }
};

// The query and count report windows open maximised and cannot be resized.
TEST_F(EveryScreen, QueryAndReportWindowsAreMaximisedAndFixed) {
  openAll();
  for (QWidget* view : {static_cast<QWidget*>(query()), static_cast<QWidget*>(report())}) {
    EXPECT_TRUE(view->isMaximized());
    EXPECT_EQ(view->minimumSize(), view->size());
    EXPECT_EQ(view->maximumSize(), view->size());
  }
}

// Each window stays on the screen, and every control can be scrolled into sight; where the
// layout fits the screen there is nothing to scroll.
TEST_F(EveryScreen, EveryControlCanBeBroughtIntoSight) {
  openAll();
  for (QWidget* view : {static_cast<QWidget*>(start()), static_cast<QWidget*>(query()),
                        static_cast<QWidget*>(report())}) {
    const QRect screen = view->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(view->frameGeometry()))
        << view->windowTitle().toStdString() << " " << view->frameGeometry().width() << "x"
        << view->frameGeometry().height() << "+" << view->frameGeometry().x() << "+"
        << view->frameGeometry().y() << " on " << screen.width() << "x" << screen.height();
    auto* scroller = view->findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    const QSize layout = scroller->widget()->size();
    if (layout.width() <= screen.width() && layout.height() <= screen.height()) {
      EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
      EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());
    }
    const QRect sight(scroller->viewport()->mapToGlobal(QPoint()), scroller->viewport()->size());
    QWidget* area = scroller->widget();
    for (QWidget* control : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->width() > sight.width()) continue;  // the lines across the window
      const QRect shown = control->geometry().intersected(area->rect());  // as the layout clips it
      scroller->ensureVisible(shown.right(), shown.bottom(), 1, 1);
      scroller->ensureVisible(shown.left(), shown.top(), 0, 0);
      EXPECT_TRUE(sight.contains(QRect(area->mapToGlobal(shown.topLeft()), shown.size())))
          << control->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace kv884::test

// The windows by keyboard alone: the order of Tab, a focus that shows on every read-only tab stop,
// Enter as a key that presses the focused button, where the focus goes when a handler disables
// that button, and the ends of the count report.

#include <QPlainTextEdit>

#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

using Keyboard = OpenWindows;

// Disabled controls (次筆 and the paging buttons at load, the report's query row) are skipped, as
// are the boxes that only show. A read-only stop looks different with the focus than without
// (empty as the windows open; a filled one shows its text selected), and takes no typing. No
// button is a default one.
TEST_F(Keyboard, TabGoesThroughTheControlsInOrderAndEachReadOnlyStopShowsTheFocus) {
  const std::pair<QWidget*, QStringList> windows[] = {
      {query(),
       {"tx_i_01", "cmd_1", "comb_1", "cmd_3", "tx_o_05", "tx_o_04", "tx_o_03", "cmd_4",
        "tx_o_04_x"}},
      {report(), {"cmd_2", "tx_o_01", "cmd_1"}},
      {start(), {"tx_i_01", "cmd_6", "cmd_1", "cmd_5", "lab_01"}},
  };
  for (const auto& [view, order] : windows) {
    if (view == start()) click(query(), "cmd_3");  // which enables the open button again
    QApplication::setActiveWindow(view);
    QStringList stops;
    QWidget* first = control(view, order.front().toLatin1());
    QWidget* previous = nullptr;
    QWidget* w = first;
    do {
      if (!w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty())
        continue;
      stops << w->objectName();
      if (w->objectName().startsWith(u"tx_o"_s)) {
        previous->setFocus();
        const QImage without = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        EXPECT_NE(w->grab().toImage(), without) << stops.last().toStdString();
        QTest::keyClick(w, Qt::Key_X);
        EXPECT_EQ(w->property("text").toString(), QString()) << stops.last().toStdString();
      }
      previous = w;
    } while ((w = w->nextInFocusChain()) != first);
    EXPECT_EQ(stops, order);
    for (QPushButton* button : view->findChildren<QPushButton*>())
      EXPECT_FALSE(button->autoDefault() || button->isDefault()) << "Enter would press it";
  }
}

// basic's 統一編號 B1200003 has three holders. Enter in the key box or the kind's text field
// presses nothing; on a button it presses that button, as Space does. Space pressed on a button
// until its handler disables it: the focus goes on to a control where the next key changes
// nothing unexpectedly, never to 結束.
TEST_F(Keyboard, EnterPressesTheFocusedButtonOnlyAndADisabledOneHandsTheFocusOn) {
  QWidget* key = control(query(), "tx_i_01");
  typeInto(key, u"B1200003"_s);
  QTest::keyClick(key, Qt::Key_Return);
  EXPECT_EQ(text(query(), "tx_o_pnt"), QString()) << "Enter in the key box searched";
  QTest::keyClick(control(query(), "cmd_1"), Qt::Key_Return);
  EXPECT_EQ(text(query(), "tx_o_pnt"), u"0001 0001 0001 "_s);
  QLineEdit* kind = control<QComboBox>(query(), "comb_1")->lineEdit();
  typeInto(kind, u"依 帳號"_s);
  QTest::keyClick(kind, Qt::Key_Return);
  EXPECT_TRUE(enabled(query(), "cmd_2")) << "Enter in the kind's field picked from the list";
  for (auto [button, heir] :
       {std::pair{"cmd_2", "tx_i_01"}, {"cmd_5", "cmd_6"}, {"cmd_6", "cmd_5"}}) {
    QWidget* pressed = control(query(), button);
    pressed->setFocus();
    for (int presses = 0; pressed->isEnabled() && presses < 5; ++presses)
      QTest::keyClick(pressed, Qt::Key_Space);
    EXPECT_FALSE(pressed->isEnabled()) << button;
    EXPECT_EQ(query()->focusWidget()->objectName(), QString::fromLatin1(heir)) << button;
  }
}

// Ctrl+Home and Ctrl+End go to either end of the report, which stays where it was read.
TEST_F(Keyboard, CountReportIsReadByKeyboard) {
  auto* text = control<QPlainTextEdit>(report(), "tx_o_01");
  for (const bool toEnd : {true, false}) {
    QTest::keyClick(text, toEnd ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
    desktop.ui.refreshAll();  // as after any handler
    EXPECT_EQ(text->textCursor().atEnd(), toEnd);
    EXPECT_EQ(text->textCursor().atStart(), !toEnd);
  }
}

}  // namespace
}  // namespace kv884::test

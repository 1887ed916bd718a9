// The windows by keyboard alone: where the focus goes when a handler disables the button that
// has it, Enter as a key that presses, a focus that shows on every tab stop, and the ends of the
// count report.

#include <QPlainTextEdit>

#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

class KeyboardTest : public DesktopTest {
 protected:
  // basic's 統一編號 B1200003: three holders, so 次筆 is pressed twice before it is withdrawn.
  void openAndSearch() {
    openFolder(copyFixture("basic", temp.path()));
    ASSERT_NE(query(), nullptr);
    search(QString::fromUtf16(u"依 統一編號"), QStringLiteral("B1200003"));
  }
  QString focused() { return query()->focusWidget()->objectName(); }
};

// Space pressed on each button until its handler disables it: the focus goes on to a control
// where the next Space changes nothing unexpectedly, never to 結束.
TEST_F(KeyboardTest, AButtonThatDisablesItselfHandsTheFocusToASafeControl) {
  openAndSearch();
  const struct {
    const char* button;
    const char* heir;
  } cases[] = {{"cmd_2", "tx_i_01"}, {"cmd_5", "cmd_6"}, {"cmd_6", "cmd_5"}};
  for (const auto& c : cases) {
    QPushButton* button = control<QPushButton>(query(), c.button);
    button->setFocus();
    for (int presses = 0; button->isEnabled() && presses < 5; ++presses)
      QTest::keyClick(button, Qt::Key_Space);
    EXPECT_FALSE(button->isEnabled()) << c.button;
    EXPECT_EQ(focused(), QString::fromLatin1(c.heir)) << c.button;
  }
  EXPECT_NE(query(), nullptr);
}

// Enter on a focused button presses it; Enter in the key box or in the kind's text field does
// nothing, as no button reacts to Enter by itself.
TEST_F(KeyboardTest, EnterPressesTheFocusedButtonOnly) {
  openFolder(copyFixture("basic", temp.path()));
  ASSERT_NE(query(), nullptr);
  typeKey(QStringLiteral("B1200003"));
  const struct {
    QWidget* widget;
    const char* ring;  // tx_o_pnt afterwards
  } cases[] = {
      {control<QLineEdit>(query(), "tx_i_01"), ""},
      {control<QPushButton>(query(), "cmd_1"), "0001 0001 0001 "},
      {control<QPushButton>(query(), "cmd_2"), "0001 0002 0002 "},
      {control<QComboBox>(query(), "comb_1")->lineEdit(), "0001 0002 0002 "},
  };
  for (const auto& c : cases) {
    c.widget->setFocus();
    QTest::keyClick(c.widget, Qt::Key_Return);
    EXPECT_EQ(boxText(query(), "tx_o_pnt"), QString::fromLatin1(c.ring))
        << c.widget->objectName().toStdString();
  }
}

// A read-only box with the focus looks different from one without, empty as the query window
// opens (a filled one shows its text selected).
TEST_F(KeyboardTest, EveryReadOnlyTabStopShowsTheFocus) {
  openFolder(copyFixture("basic", temp.path()));
  click(start(), "cmd_5");
  const struct {
    QWidget* view;
    const char* box;
    const char* print;  // 列印, to take the focus away
  } cases[] = {{query(), "tx_o_05", "cmd_4"},
               {query(), "tx_o_04", "cmd_4"},
               {query(), "tx_o_03", "cmd_4"},
               {query(), "tx_o_04_x", "cmd_4"},
               {report(), "tx_o_01", "cmd_1"}};
  for (const auto& c : cases) {
    QWidget* box = control<QWidget>(c.view, c.box);
    QApplication::setActiveWindow(c.view);
    control<QWidget>(c.view, c.print)->setFocus();
    const QImage without = box->grab().toImage();
    box->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(box->hasFocus()) << c.box;
    EXPECT_NE(box->grab().toImage(), without) << c.box;
  }
}

TEST_F(KeyboardTest, CtrlHomeAndCtrlEndGoToTheEndsOfTheCountReport) {
  openFolder(copyFixture("basic", temp.path()));
  click(start(), "cmd_5");
  auto* text = control<QPlainTextEdit>(report(), "tx_o_01");
  text->setFocus();
  for (const bool toEnd : {true, false}) {
    QTest::keyClick(text, toEnd ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(text->textCursor().atEnd(), toEnd);
    EXPECT_EQ(text->textCursor().atStart(), !toEnd);
  }
}

}  // namespace
}  // namespace kv884::test

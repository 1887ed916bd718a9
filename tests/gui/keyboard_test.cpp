// The windows by keyboard alone: where the focus goes when a handler disables the button that
// has it, Enter as a key that presses, a focus that shows on every read-only tab stop, and the
// ends of the count report.

#include <QPlainTextEdit>

#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

class KeyboardTest : public DesktopTest {
 protected:
  void SetUp() override { openFixture(); }
  QString focused() { return query()->focusWidget()->objectName(); }
};

// basic's 統一編號 B1200003 has three holders. Space is pressed on each button until its handler
// disables it: the focus goes on to a control where the next Space changes nothing unexpectedly,
// never to 結束.
TEST_F(KeyboardTest, AButtonThatDisablesItselfHandsTheFocusToASafeControl) {
  search(QString::fromUtf16(u"依 統一編號"), QStringLiteral("B1200003"));
  for (auto [button, heir] :
       {std::pair{"cmd_2", "tx_i_01"}, {"cmd_5", "cmd_6"}, {"cmd_6", "cmd_5"}}) {
    QWidget* pressed = control(query(), button);
    pressed->setFocus();
    for (int presses = 0; pressed->isEnabled() && presses < 5; ++presses)
      QTest::keyClick(pressed, Qt::Key_Space);
    EXPECT_FALSE(pressed->isEnabled()) << button;
    EXPECT_EQ(focused(), QString::fromLatin1(heir)) << button;
  }
}

// Enter on a focused button presses it; in the key box or the kind's text field it does nothing,
// as no button reacts to Enter by itself.
TEST_F(KeyboardTest, EnterPressesTheFocusedButtonOnly) {
  typeInto(control(query(), "tx_i_01"), QStringLiteral("B1200003"));
  const std::pair<QWidget*, const char*> cases[] = {
      {control(query(), "tx_i_01"), ""},
      {control(query(), "cmd_1"), "0001 0001 0001 "},
      {control(query(), "cmd_2"), "0001 0002 0002 "},
  };
  for (auto [widget, ring] : cases) {
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Return);
    EXPECT_EQ(text(query(), "tx_o_pnt"), QString::fromLatin1(ring))
        << widget->objectName().toStdString();
  }
  QLineEdit* kind = control<QComboBox>(query(), "comb_1")->lineEdit();
  typeInto(kind, QString::fromUtf16(u"依 帳號"));
  QTest::keyClick(kind, Qt::Key_Return);
  EXPECT_TRUE(enabled(query(), "cmd_2")) << "Enter in the kind's field picked from the list";
}

// A read-only box looks different with the focus than without, empty as the windows open (a
// filled one shows its text selected); Ctrl+Home and Ctrl+End go to either end of the report.
TEST_F(KeyboardTest, ReadOnlyTabStopsShowTheFocusAndTheReportIsReadByKeyboard) {
  click(start(), "cmd_5");
  const std::tuple<QWidget*, const char*, const char*> boxes[] = {// with a button beside it
                                                                  {query(), "tx_o_05", "cmd_4"},
                                                                  {query(), "tx_o_04", "cmd_4"},
                                                                  {query(), "tx_o_03", "cmd_4"},
                                                                  {query(), "tx_o_04_x", "cmd_4"},
                                                                  {report(), "tx_o_01", "cmd_1"}};
  for (auto [view, name, button] : boxes) {
    QWidget* box = control(view, name);
    QApplication::setActiveWindow(view);
    control(view, button)->setFocus();
    const QImage without = box->grab().toImage();
    box->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(box->hasFocus()) << name;
    EXPECT_NE(box->grab().toImage(), without) << name;
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
      QTest::keyClick(line, Qt::Key_X);
      EXPECT_EQ(line->text(), QString()) << name << " took a key";
    }
  }
  auto* text = control<QPlainTextEdit>(report(), "tx_o_01");
  for (const bool toEnd : {true, false}) {
    QTest::keyClick(text, toEnd ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
    desktop.ui.refreshAll();  // as after any handler: the report stays where it was read
    EXPECT_EQ(text->textCursor().atEnd(), toEnd);
    EXPECT_EQ(text->textCursor().atStart(), !toEnd);
  }
}

}  // namespace
}  // namespace kv884::test

// The windows by keyboard alone: the round of Tab, which brings each stop into sight, a focus that
// shows from the start and on every read-only tab stop, Enter as a key that presses the focused
// button, where the focus goes when a handler disables that button, and the ends of the count
// report.

#include <QPlainTextEdit>
#include <QScrollArea>

#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

using EveryScreen = OpenWindows;

// Tab pressed in each shown window goes round exactly its stops in their order (disabled ones,
// 次筆 and the paging buttons at load and the report's query row, skipped, as are the boxes that
// only show), and each stop scrolls into sight whole, the combo box too, also on a screen too
// small for the layout. A read-only stop shows the focus and takes no typing. No button is a
// default one.
TEST_F(EveryScreen, TabGoesRoundTheStopsInOrderAndBringsEachIntoSight) {
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
    control(view, order.front().toLatin1())->setFocus(Qt::TabFocusReason);
    const QWidget* sight = view->findChild<QScrollArea*>()->viewport();
    const QWidget* area = view->findChild<QScrollArea*>()->widget();
    QStringList stops;
    for (qsizetype press = 0; press <= order.size(); ++press) {
      // The control of the layout that holds the focused widget (the combo box for its field).
      QWidget* stop = QApplication::focusWidget();
      while (stop && stop->parentWidget() != area) stop = stop->parentWidget();
      ASSERT_NE(stop, nullptr) << "the focus left the controls after "
                               << stops.join(' ').toStdString();
      stops << stop->objectName();
      const QRect shown(stop->mapTo(sight, QPoint()), stop->size());
      if (stop->width() <= sight->width() && stop->height() <= sight->height()) {
        EXPECT_TRUE(sight->rect().contains(shown)) << stops.last().toStdString();
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(stops.join(' '), (order + QStringList{order.front()}).join(' '));
    for (const QString& name : order) {
      if (!name.startsWith(u"tx_o"_s)) continue;
      QWidget* box = control(view, name.toLatin1());
      control(view, order.front().toLatin1())->setFocus();
      const QImage without = box->grab().toImage();
      box->setFocus(Qt::TabFocusReason);
      EXPECT_NE(box->grab().toImage(), without) << name.toStdString();
      QTest::keyClick(box, Qt::Key_X);
      EXPECT_EQ(box->property("text").toString(), QString()) << name.toStdString();
    }
    for (QPushButton* button : view->findChildren<QPushButton*>())
      EXPECT_FALSE(button->autoDefault() || button->isDefault()) << "Enter would press it";
  }
}

using Keyboard = OpenWindows;

// The count report window opens with the focus on 結束, drawn before any Tab.
TEST_F(Keyboard, TheFocusShowsFromTheMomentAWindowOpens) {
  QApplication::setActiveWindow(report());
  QWidget* end = control(report(), "cmd_2");
  ASSERT_EQ(QApplication::focusWidget(), end);
  const QImage focused = end->grab().toImage();
  control(report(), "cmd_1")->setFocus();
  EXPECT_NE(end->grab().toImage(), focused);
}

// basic's 統一編號 B1200003 has three holders. Enter in the key box presses nothing; a kind typed
// into the combo box's field, ended by Enter or Tab, is no pick from the list and leaves 次筆 as
// it was. Enter on a button presses that button, as Space does. Space pressed on a button until
// its handler disables it: the focus goes on to a control where the next Space changes nothing
// unasked (the key stays as it is), never to 結束.
TEST_F(Keyboard, EnterPressesTheFocusedButtonOnlyAndADisabledOneHandsTheFocusOn) {
  QWidget* key = control(query(), "tx_i_01");
  typeInto(key, u"B1200003"_s);
  QTest::keyClick(key, Qt::Key_Return);
  EXPECT_EQ(text(query(), "tx_o_pnt"), QString()) << "Enter in the key box searched";
  QTest::keyClick(control(query(), "cmd_1"), Qt::Key_Return);
  EXPECT_EQ(text(query(), "tx_o_pnt"), u"0001 0001 0001 "_s);
  auto* kind = control<QComboBox>(query(), "comb_1");
  for (auto [typed, end] : {std::pair{u"依 帳號"_s, Qt::Key_Return}, {u"依 戶號"_s, Qt::Key_Tab}}) {
    typeInto(kind, typed);
    QTest::keyClick(kind, end);
    EXPECT_TRUE(enabled(query(), "cmd_2")) << "a typed kind was taken as picked";
  }
  for (auto [button, heir] :
       {std::pair{"cmd_2", "cmd_1"}, {"cmd_5", "cmd_6"}, {"cmd_6", "cmd_5"}}) {
    QWidget* pressed = control(query(), button);
    pressed->setFocus();
    for (int presses = 0; pressed->isEnabled() && presses < 5; ++presses)
      QTest::keyClick(pressed, Qt::Key_Space);
    EXPECT_FALSE(pressed->isEnabled()) << button;
    ASSERT_EQ(query()->focusWidget()->objectName(), QString::fromLatin1(heir)) << button;
    QTest::keyClick(query()->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(text(query(), "tx_i_01"), u"B1200003"_s) << button;
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

// The three windows as they stand on the screen: the sizes and a handful of controls as a person
// sees them; and, on whatever screen (this test program runs again on a 1280 x 1024 screen at
// twice the scale), every control where its window's layout table puts it and within reach, in
// maximised windows that keep their size.

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "desktop_harness.hpp"
#include "gui/layout_tables.hpp"

namespace kv884::test {
namespace {

using Layout = OpenWindows;

// Numbers and texts a person sees, in pixels at 96 dpi.
TEST_F(Layout, WindowsAndAHandfulOfControlsLookAsDrawn) {
  EXPECT_EQ(start()->windowTitle(), u"帳簿劃撥配發資料 (1040203)"_s);
  EXPECT_EQ(query()->windowTitle(), u"配發有價證券劃撥轉帳清冊(KQD05)"_s);
  EXPECT_EQ(report()->windowTitle(), u"帳簿劃撥配發筆數"_s);
  EXPECT_EQ(start()->size(), QSize(481, 394));
  EXPECT_EQ(query()->findChild<QScrollArea*>()->widget()->size(), QSize(800, 560));
  EXPECT_EQ(report()->findChild<QScrollArea*>()->widget()->size(), QSize(807, 544));
  const struct {
    QWidget* view;
    const char* name;
    QRect at;
    const char16_t* caption;
  } cases[] = {
      {start(), "cmd_1", {86, 111, 320, 47}, u"配發有價證券劃撥轉帳清冊(KQD05)"},
      {start(), "lab_02", {378, 381, 113, 17}, u"瀚霖軟體工坊V10.0"},
      {query(), "cmd_2", {612, 57, 58, 32}, u"次筆"},
      {query(), "lab_04", {12, 242, 184, 15}, u"身分證/營利事業統一編號"},
      {query(), "tx_o_pnt", {636, 545, 155, 14}, u""},
      {report(), "cmd_2", {704, 57, 65, 32}, u"結束"},
  };
  for (const auto& c : cases) {
    QWidget* widget = control(c.view, c.name);
    EXPECT_EQ(widget->geometry(), c.at) << c.name;
    const auto* button = qobject_cast<QAbstractButton*>(widget);
    const auto* label = qobject_cast<QLabel*>(widget);
    EXPECT_EQ(button  ? button->text()
              : label ? label->text()
                      : QString(),
              QString::fromUtf16(c.caption))
        << c.name;
  }
  auto* holderNo = control<QLineEdit>(query(), "tx_o_02");
  EXPECT_EQ(holderNo->palette().color(QPalette::Text), QColor(0xff, 0xff, 0x00));
  EXPECT_EQ(holderNo->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(control<QLineEdit>(query(), "tx_o_03")->alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignLeft);
  EXPECT_FALSE(control<QPushButton>(query(), "cmd_5")->icon().isNull());
  EXPECT_EQ(control<QPushButton>(query(), "cmd_6")->toolTip(), u"下一畫面"_s);
  typeInto(control(query(), "tx_i_01"), u"ABCDEFGHIJKLM"_s);
  EXPECT_EQ(text(query(), "tx_i_01"), u"ABCDEFGHIJKL"_s) << "the key box takes 12";
  // The count report unwrapped, each CR LF a line break.
  auto* shownReport = control<QPlainTextEdit>(report(), "tx_o_01");
  EXPECT_EQ(shownReport->geometry(), QRect(85, 144, 629, 345));
  EXPECT_EQ(shownReport->lineWrapMode(), QPlainTextEdit::NoWrap);
  QString expected = QString::fromUtf8(readFile(fixturePath("basic") / "report.expected.txt"));
  EXPECT_EQ(shownReport->toPlainText(), expected.replace(u"\r\n"_s, "\n"));
}

using EveryScreen = OpenWindows;

// Each window stays on the screen, the query and count report windows maximised and keeping
// their size; every control stands where the table says and can be scrolled into sight; where
// the layout fits the screen there is nothing to scroll.
TEST_F(EveryScreen, ControlsStandWhereTheTablesSayWithinReachOfWindowsThatKeepTheirSize) {
  const std::pair<QWidget*, const WindowLayout*> windows[] = {
      {start(), &startLayout()}, {query(), &queryLayout()}, {report(), &reportLayout()}};
  for (auto [view, layout] : windows) {
    if (view != start()) {
      EXPECT_TRUE(view->isMaximized());
      EXPECT_TRUE(view->minimumSize() == view->size() && view->maximumSize() == view->size());
    }
    const QRect screen = view->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(view->frameGeometry())) << view->windowTitle().toStdString();
    auto* scroller = view->findChild<QScrollArea*>();
    QWidget* area = scroller->widget();
    if (area->width() <= screen.width() && area->height() <= screen.height()) {
      EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
      EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());
    }
    const QRect sight(scroller->viewport()->mapToGlobal(QPoint()), scroller->viewport()->size());
    const QList<QWidget*> widgets = area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(widgets.size(), layout->places.size());
    for (QWidget* widget : widgets) {
      const std::string name = widget->objectName().toStdString();
      EXPECT_EQ(widget->geometry(), pixelRect(layout->place(name))) << name;
      EXPECT_TRUE(widget->isVisibleTo(view)) << name;
      if (widget->width() > sight.width()) continue;  // the lines across the window
      const QRect shown = widget->geometry().intersected(area->rect());  // as the layout clips it
      scroller->ensureVisible(shown.right(), shown.bottom(), 1, 1);
      scroller->ensureVisible(shown.left(), shown.top(), 0, 0);
      EXPECT_TRUE(sight.contains(QRect(area->mapToGlobal(shown.topLeft()), shown.size()))) << name;
    }
  }
}

}  // namespace
}  // namespace kv884::test

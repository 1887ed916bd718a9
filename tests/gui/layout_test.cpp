// The three windows as they stand on the screen: the sizes and a handful of controls as a person
// sees them; and, on whatever screen (this test program runs again on a 1280 x 1024 screen at
// twice the scale), every control where its window's layout table puts it and within reach, in
// maximised windows that keep their size.

#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "desktop_harness.hpp"
#include "gui/layout_tables.hpp"

namespace kv884::test {
namespace {

using Layout = OpenWindows;

// Numbers and texts a person sees, in pixels at 96 dpi: properties of the windows (no control
// name) and of a handful of controls.
TEST_F(Layout, WindowsAndAHandfulOfControlsLookAsDrawn) {
  QString countReport = QString::fromUtf8(readFile(fixturePath("basic") / "report.expected.txt"));
  const struct {
    QWidget* view;
    const char* name;
    const char* property;
    QVariant value;
  } cases[] = {
      {start(), "", "windowTitle", u"帳簿劃撥配發資料 (1040203)"_s},
      {query(), "", "windowTitle", u"配發有價證券劃撥轉帳清冊(KQD05)"_s},
      {report(), "", "windowTitle", u"帳簿劃撥配發筆數"_s},
      {start(), "", "size", QSize(481, 394)},
      {start(), "cmd_1", "geometry", QRect(86, 111, 320, 47)},
      {start(), "cmd_1", "text", u"配發有價證券劃撥轉帳清冊(KQD05)"_s},
      {start(), "lab_02", "geometry", QRect(378, 381, 113, 17)},
      {start(), "lab_02", "text", u"瀚霖軟體工坊V10.0"_s},
      {query(), "cmd_2", "geometry", QRect(612, 57, 58, 32)},
      {query(), "cmd_2", "text", u"次筆"_s},
      {query(), "cmd_6", "toolTip", u"下一畫面"_s},
      {query(), "lab_04", "geometry", QRect(12, 242, 184, 15)},
      {query(), "lab_04", "text", u"身分證/營利事業統一編號"_s},
      {query(), "tx_i_01", "maxLength", 12},
      {query(), "tx_o_02", "alignment", QVariant::fromValue(Qt::Alignment(Qt::AlignCenter))},
      {query(), "tx_o_03", "alignment", QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter)},
      {query(), "tx_o_pnt", "geometry", QRect(636, 545, 155, 14)},
      {report(), "cmd_2", "geometry", QRect(704, 57, 65, 32)},
      {report(), "cmd_2", "text", u"結束"_s},
      {report(), "tx_o_01", "geometry", QRect(85, 144, 629, 345)},
      {report(), "tx_o_01", "lineWrapMode", QVariant::fromValue(QPlainTextEdit::NoWrap)},
      {report(), "tx_o_01", "plainText", countReport.replace(u"\r\n"_s, u"\n"_s)},
  };
  for (const auto& c : cases) {
    QWidget* widget = *c.name ? control(c.view, c.name) : c.view;
    EXPECT_EQ(widget->property(c.property), c.value) << c.name << " " << c.property;
  }
  EXPECT_EQ(query()->findChild<QScrollArea*>()->widget()->size(), QSize(800, 560));
  EXPECT_EQ(report()->findChild<QScrollArea*>()->widget()->size(), QSize(807, 544));
  const QLineEdit* folder = control<QLineEdit>(start(), "tx_i_01");
  EXPECT_TRUE(folder->font().bold());
  EXPECT_DOUBLE_EQ(folder->font().pointSizeF(), 18);
  EXPECT_EQ(folder->palette().color(QPalette::Text), QColor(0xff, 0x00, 0x00));
  EXPECT_EQ(folder->palette().color(QPalette::Base), QColor(0xff, 0xff, 0xc0));
  EXPECT_EQ(control(query(), "tx_o_02")->palette().color(QPalette::Text), QColor(0xff, 0xff, 0x00));
  EXPECT_FALSE(control<QPushButton>(query(), "cmd_5")->icon().isNull());
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

// The three windows as they stand on the screen: every control where its window's layout table
// puts it, the sizes and a handful of controls as a person sees them, the keyboard order; and, on
// whatever screen (this test program runs again on a 1280 x 1024 screen at twice the scale),
// maximised windows that keep their size and every control within reach.

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "desktop_harness.hpp"
#include "gui/layout_tables.hpp"

namespace kv884::test {
namespace {

class Layout : public DesktopTest {
 protected:
  void SetUp() override {
    openFixture();
    click(start(), "cmd_5");
    ASSERT_NE(report(), nullptr);
    QApplication::processEvents();
  }
  // The views with their layout tables.
  std::vector<std::pair<QWidget*, const WindowLayout*>> windows() {
    return {{start(), &startLayout()}, {query(), &queryLayout()}, {report(), &reportLayout()}};
  }
  // The widgets that can take the focus, in keyboard order from first.
  QStringList focusOrder(QWidget* first) {
    QStringList names;
    QWidget* w = first;
    do {
      if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
        names << w->objectName();
    } while ((w = w->nextInFocusChain()) != first);
    return names;
  }
};

TEST_F(Layout, EveryControlStandsWhereItsWindowsTableSays) {
  for (auto [view, layout] : windows())
    for (const ControlPlace& place : layout->places) {
      QWidget* widget = control(view, std::string(place.name).c_str());
      ASSERT_NE(widget, nullptr);
      EXPECT_EQ(widget->geometry(), pixelRect(place)) << place.name;
      EXPECT_TRUE(widget->isVisibleTo(view)) << place.name;
    }
}

// Numbers and texts a person sees, in pixels at 96 dpi.
TEST_F(Layout, WindowsAndAHandfulOfControlsLookAsDrawn) {
  EXPECT_EQ(start()->windowTitle(), QString::fromUtf16(u"帳簿劃撥配發資料 (1040203)"));
  EXPECT_EQ(query()->windowTitle(), QString::fromUtf16(u"配發有價證券劃撥轉帳清冊(KQD05)"));
  EXPECT_EQ(report()->windowTitle(), QString::fromUtf16(u"帳簿劃撥配發筆數"));
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
      {query(), "tx_o_pnt", {636, 545, 155, 14}, nullptr},
      {report(), "cmd_2", {704, 57, 65, 32}, u"結束"},
      {report(), "tx_o_01", {85, 144, 629, 345}, nullptr},
  };
  for (const auto& c : cases) {
    QWidget* widget = control(c.view, c.name);
    EXPECT_EQ(widget->geometry(), c.at) << c.name;
    const auto* button = qobject_cast<QAbstractButton*>(widget);
    const auto* label = qobject_cast<QLabel*>(widget);
    if (c.caption) {
      EXPECT_EQ(button ? button->text() : label->text(), QString::fromUtf16(c.caption)) << c.name;
    }
  }
  auto* folder = control<QLineEdit>(start(), "tx_i_01");
  EXPECT_TRUE(folder->font().bold());
  EXPECT_DOUBLE_EQ(folder->font().pointSizeF(), 18);
  EXPECT_EQ(folder->palette().color(QPalette::Text), QColor(0xff, 0x00, 0x00));
  EXPECT_EQ(folder->palette().color(QPalette::Base), QColor(0xff, 0xff, 0xc0));
  auto* holderNo = control<QLineEdit>(query(), "tx_o_02");
  EXPECT_EQ(holderNo->palette().color(QPalette::Text), QColor(0xff, 0xff, 0x00));
  EXPECT_EQ(holderNo->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(control<QLineEdit>(query(), "tx_o_03")->alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignLeft);
  EXPECT_FALSE(control<QPushButton>(query(), "cmd_5")->icon().isNull());
  EXPECT_EQ(control<QPushButton>(query(), "cmd_6")->toolTip(), QString::fromUtf16(u"下一畫面"));
  EXPECT_EQ(control<QPlainTextEdit>(report(), "tx_o_01")->lineWrapMode(), QPlainTextEdit::NoWrap);
  typeInto(control(query(), "tx_i_01"), QStringLiteral("ABCDEFGHIJKLM"));
  EXPECT_EQ(text(query(), "tx_i_01"), QStringLiteral("ABCDEFGHIJKL")) << "the key box takes 12";
}

// Disabled controls (次筆 and the paging buttons at load, the report's query row) are skipped, as
// are the boxes that only show.
TEST_F(Layout, TabGoesThroughTheControlsInTheWindowsOrder) {
  const struct {
    QWidget* view;
    QStringList order;
  } cases[] = {
      {query(),
       {"tx_i_01", "cmd_1", "comb_1", "cmd_3", "tx_o_05", "tx_o_04", "tx_o_03", "cmd_4",
        "tx_o_04_x"}},
      {report(), {"cmd_2", "tx_o_01", "cmd_1"}},
      {start(), {"tx_i_01", "cmd_6", "cmd_1", "cmd_5", "lab_01"}},
  };
  for (const auto& c : cases) {
    if (c.view == start()) click(query(), "cmd_3");  // which enables the open button again
    EXPECT_EQ(focusOrder(control(c.view, c.order.front().toLatin1())).join(' ').toStdString(),
              c.order.join(' ').toStdString());
    for (QPushButton* button : c.view->findChildren<QPushButton*>())
      EXPECT_FALSE(button->autoDefault() || button->isDefault()) << "Enter would press it";
  }
}

using EveryScreen = Layout;

// Each window stays on the screen, the query and count report windows maximised and keeping
// their size, and every control can be scrolled into sight; where the layout fits the screen
// there is nothing to scroll.
TEST_F(EveryScreen, WindowsKeepTheirSizeAndEveryControlCanBeBroughtIntoSight) {
  for (QWidget* view : {start(), query(), report()}) {
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
    for (QWidget* widget : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (widget->width() > sight.width()) continue;  // the lines across the window
      const QRect shown = widget->geometry().intersected(area->rect());  // as the layout clips it
      scroller->ensureVisible(shown.right(), shown.bottom(), 1, 1);
      scroller->ensureVisible(shown.left(), shown.top(), 0, 0);
      EXPECT_TRUE(sight.contains(QRect(area->mapToGlobal(shown.topLeft()), shown.size())))
          << widget->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace kv884::test

// The three windows as they stand on whatever screen (this test program runs again on a
// 1280 x 1024 screen at twice the scale): every control within its window, in maximised windows
// that keep their size and open clear of each other's buttons.

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

using EveryScreen = OpenWindows;

// The buttons of a window on the screen, where they stand when no window manager has moved or
// maximised the window.
QList<QRect> buttonsOf(QWidget* view) {
  QList<QRect> buttons;
  for (const QPushButton* button : view->findChildren<QPushButton*>())
    buttons << QRect(button->mapTo(view, QPoint()) + view->normalGeometry().topLeft(),
                     button->size());
  return buttons;
}

// Each window stays on the screen, the query and count report windows maximised and keeping
// their size; without a window manager to maximise them, each opens clear of the buttons of the
// windows opened before it. Every control begins within its window's layout, no two buttons
// cover each other, and where the layout fits the window there is nothing to scroll.
TEST_F(EveryScreen, ControlsLieWithinWindowsThatKeepTheirSizeAndOpenClearOfEachOther) {
  for (QWidget* view : {start(), query(), report()}) {
    const std::string title = view->windowTitle().toStdString();
    if (view != start()) {
      EXPECT_TRUE(view->isMaximized());
      EXPECT_TRUE(view->minimumSize() == view->size() && view->maximumSize() == view->size());
      for (QWidget* before : {start(), query()}) {
        if (before == view) break;
        for (const QRect& button : buttonsOf(before))
          EXPECT_FALSE(view->normalGeometry().intersects(button)) << title;
      }
    }
    EXPECT_TRUE(view->screen()->availableGeometry().contains(view->frameGeometry())) << title;
    auto* scroller = view->findChild<QScrollArea*>();
    QWidget* area = scroller->widget();
    if (area->width() <= view->width() && area->height() <= view->height()) {
      EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible()) << title;
      EXPECT_FALSE(scroller->verticalScrollBar()->isVisible()) << title;
    }
    // The start window's version label runs past its right edge, as the layout places it.
    for (QWidget* widget : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      EXPECT_TRUE(area->rect().contains(widget->geometry().topLeft()))
          << widget->objectName().toStdString();
      EXPECT_TRUE(widget->isVisibleTo(view)) << widget->objectName().toStdString();
    }
    // Neighbouring buttons may share a column of pixels at most.
    const QList<QPushButton*> buttons = area->findChildren<QPushButton*>();
    for (auto one = buttons.begin(); one != buttons.end(); ++one)
      for (auto other = one + 1; other != buttons.end(); ++other)
        EXPECT_LE((*one)->geometry().intersected((*other)->geometry()).width(), 1)
            << (*one)->objectName().toStdString() << " " << (*other)->objectName().toStdString();
  }
}

}  // namespace
}  // namespace kv884::test

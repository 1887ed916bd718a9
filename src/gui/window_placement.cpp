#include "gui/window_placement.hpp"

#include <QApplication>
#include <QPushButton>
#include <algorithm>

namespace kv884 {
namespace {

// How far down from top a place of the given columns reaches before it meets one of keepClear.
int clearHeight(const QRect& columns, int limit, const QList<QRect>& keepClear) {
  const int top = columns.top();
  for (const QRect& r : keepClear) {
    if (r.right() < columns.left() || r.left() > columns.right() || r.bottom() < top) continue;
    limit = std::min(limit, std::max(0, r.top() - top));
  }
  return limit;
}

}  // namespace

QRect placeClearOf(const QRect& screen, QSize wanted, const QList<QRect>& keepClear) {
  wanted = wanted.boundedTo(screen.size());
  // A largest place starts at the screen's edge or just past a rectangle to keep clear, and ends
  // at its wanted size or just before one.
  QList<int> lefts{screen.left()};
  QList<int> tops{screen.top()};
  for (const QRect& r : keepClear) {
    lefts << r.right() + 1;
    tops << r.bottom() + 1;
  }
  std::sort(lefts.begin(), lefts.end());
  std::sort(tops.begin(), tops.end());
  QRect best;
  auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
  for (int top : tops) {
    for (int left : lefts) {
      if (!screen.contains(left, top)) continue;
      const int widest = std::min(wanted.width(), screen.right() + 1 - left);
      QList<int> widths{widest};
      for (const QRect& r : keepClear)
        if (r.left() > left && r.left() - left < widest) widths << r.left() - left;
      for (int width : widths) {
        const int tallest = std::min(wanted.height(), screen.bottom() + 1 - top);
        const QRect place(left, top, width,
                          clearHeight(QRect(left, top, width, 1), tallest, keepClear));
        if (area(place) > area(best)) best = place;
      }
    }
  }
  return best.isEmpty() ? QRect(screen.topLeft(), wanted) : best;
}

QList<QRect> buttonsOfOtherWindows(const QWidget* window) {
  QList<QRect> buttons;
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other == window || !other->isVisible()) continue;
    const QPoint origin = other->normalGeometry().topLeft();
    for (const QPushButton* button : other->findChildren<QPushButton*>())
      if (button->isVisibleTo(other))
        buttons << QRect(button->mapTo(other, QPoint()) + origin, button->size());
  }
  return buttons;
}

}  // namespace kv884

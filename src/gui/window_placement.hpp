#pragma once
// Where a window opens when no window manager places it (a kiosk session, some remote desktops):
// clear of the buttons of the windows already shown, which nothing would raise again.

#include <QList>
#include <QRect>

class QWidget;

namespace kv884 {

// The largest place on screen, up to wanted in size, that covers none of keepClear; among equal
// ones the topmost, then the leftmost.
QRect placeClearOf(const QRect& screen, QSize wanted, const QList<QRect>& keepClear);

// The buttons of the other shown windows on the screen, each window where it stands when no
// window manager has moved or maximised it.
QList<QRect> buttonsOfOtherWindows(const QWidget* window);

}  // namespace kv884

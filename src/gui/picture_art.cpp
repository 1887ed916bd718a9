#include "gui/picture_art.hpp"

#include <QFont>
#include <QPainter>
#include <QPolygon>

#include "gui/view_widgets.hpp"
#include "querywin/page_heading.hpp"

namespace kv884 {

QPixmap drawBanner() {
  QPixmap banner(kBannerWidth, kBannerHeight);
  banner.fill(QColor(0xD4, 0xD4, 0xD4));
  QPainter painter(&banner);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont face(qText(kKaiFace));
  face.setPixelSize(29);
  face.setBold(true);
  painter.setFont(face);
  painter.setPen(Qt::black);
  painter.drawText(QRect(0, 0, kBannerWidth, kBannerHeight), Qt::AlignCenter, qText(kOfficeName));
  return banner;
}

namespace {

// One page: white with a blue edge and grey lines of text.
void drawPage(QPainter& painter, const QRect& page) {
  painter.setPen(QPen(QColor(0x00, 0x00, 0xC0), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(page);
  painter.setPen(QPen(QColor(0x40, 0x40, 0x80), 1));
  for (int y = page.top() + 4; y < page.bottom() - 2; y += 3)
    painter.drawLine(page.left() + 3, y, page.right() - 3, y);
}

}  // namespace

QPixmap drawArrowPicture(ArrowDirection direction) {
  QPixmap picture(kArrowPictureWidth, kArrowPictureHeight);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  // Drawn pointing left; the right-pointing picture is its mirror image.
  if (direction == ArrowDirection::Right) {
    painter.translate(kArrowPictureWidth, 0);
    painter.scale(-1, 1);
  }
  drawPage(painter, QRect(20, 1, 20, 24));
  drawPage(painter, QRect(24, 5, 20, 24));
  const QPolygon arrow({QPoint(1, 15), QPoint(14, 3), QPoint(14, 10), QPoint(30, 10),
                        QPoint(30, 20), QPoint(14, 20), QPoint(14, 27)});
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
  painter.setBrush(QColor(0x80, 0x80, 0x80));
  painter.drawPolygon(arrow);
  return picture;
}

}  // namespace kv884

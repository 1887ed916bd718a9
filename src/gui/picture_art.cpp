#include "gui/picture_art.hpp"

#include <QFont>
#include <QPainter>
#include <QPolygon>

#include "gui/view_widgets.hpp"
#include "querywin/page_heading.hpp"

namespace kv884 {

QPixmap drawBanner() {
  QPixmap banner(kBannerWidth, kBannerHeight);
  banner.fill(QColor(kBannerGrey, kBannerGrey, kBannerGrey));
  QPainter painter(&banner);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont face(qText(kKaiFace));
  face.setPixelSize(kBannerTextPixels);
  face.setBold(true);
  painter.setFont(face);
  painter.setPen(Qt::black);
  painter.drawText(QRect(0, 0, kBannerWidth, kBannerHeight), Qt::AlignCenter, qText(kOfficeName));
  return banner;
}

namespace {

// One page: white with a blue edge and grey lines of text.
void drawPage(QPainter& painter, const QRect& page) {
  painter.setPen(QPen(QColor::fromRgb(kPageEdge), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(page);
  painter.setPen(QPen(QColor::fromRgb(kPageLines), 1));
  for (int y = page.top() + 4; y < page.bottom() - 2; y += 3)
    painter.drawLine(page.left() + 3, y, page.right() - 3, y);
}

}  // namespace

QPixmap drawArrowPicture(ArrowDirection direction) {
  QPixmap picture(kArrowPictureWidth, kArrowPictureHeight);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  if (direction == ArrowDirection::Right) {
    painter.translate(kArrowPictureWidth, 0);
    painter.scale(-1, 1);
  }
  for (const PictureBox& page : kArrowPages)
    drawPage(painter, QRect(page.left, page.top, page.width, page.height));
  QPolygon arrow;
  for (const PicturePoint& point : kArrowOutline) arrow << QPoint(point.x, point.y);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor::fromRgb(kArrowEdge), 1));
  painter.setBrush(QColor::fromRgb(kArrowFill));
  painter.drawPolygon(arrow);
  return picture;
}

}  // namespace kv884

#include "gui/view_widgets.hpp"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <stdexcept>

#include "gui/picture_art.hpp"

namespace kv884 {

QFont windowFont(std::u16string_view face, double points, bool bold) {
  QFont font(qText(face));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QString qText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

void placeControl(QWidget* widget, std::span<const ControlPlace> layout, std::string_view name) {
  auto place = std::find_if(layout.begin(), layout.end(),
                            [&](const ControlPlace& p) { return p.name == name; });
  if (place == layout.end()) throw std::logic_error("control missing from its layout table");
  widget->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  widget->setGeometry(pixelRect(*place));
}

QLabel* makeLabel(QWidget* parent, std::span<const ControlPlace> layout, std::string_view name,
                  const QFont& font, Qt::Alignment alignment, const QString& styleSheet) {
  auto* label = new QLabel(parent);
  placeControl(label, layout, name);
  for (const ControlPlace& p : layout)
    if (p.name == name) label->setText(qText(p.caption));
  label->setFont(font);
  label->setAlignment(alignment);
  if (!styleSheet.isEmpty()) label->setStyleSheet(styleSheet);
  return label;
}

QPushButton* makeButton(QWidget* parent, std::span<const ControlPlace> layout,
                        std::string_view name, const QFont& font) {
  auto* button = new CaptionButton(parent);
  placeControl(button, layout, name);
  for (const ControlPlace& p : layout)
    if (p.name == name) button->setText(qText(p.caption));
  button->setFont(font);
  // No button reacts to Enter or Escape by itself.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QFrame* makeLine(QWidget* parent, std::span<const ControlPlace> layout, std::string_view name) {
  auto* line = new QFrame(parent);
  placeControl(line, layout, name);
  line->setFrameShape(QFrame::NoFrame);
  line->setStyleSheet(QStringLiteral("background-color: #808080;"));
  return line;
}

QLabel* makeBanner(QWidget* parent, std::span<const ControlPlace> layout) {
  auto* banner = new QLabel(parent);
  placeControl(banner, layout, "Image1");
  banner->setPixmap(drawBanner());
  banner->setScaledContents(true);
  return banner;
}

QString boxStyle(const QString& widgetClass, const QString& text, const QString& background,
                 bool border) {
  return QStringLiteral("%1 { color: %2; background-color: %3; border: %4; }")
      .arg(widgetClass, text, background,
           border ? QStringLiteral("2px inset #a0a0a0") : QStringLiteral("none"));
}

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  if (caption.isEmpty()) return;
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const int flags = Qt::AlignCenter | Qt::TextWrapAnywhere | Qt::TextShowMnemonic;
  painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

void ClickableLineEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (onMousePress && event->button() == Qt::LeftButton) onMousePress();
}

void showText(QLineEdit* box, const std::u16string& text) {
  const QString shown = QString::fromStdU16String(text);
  if (box->text() != shown) box->setText(shown);
}

void showEditText(QComboBox* combo, const std::u16string& text) {
  const QString shown = QString::fromStdU16String(text);
  if (combo->currentText() != shown) combo->setEditText(shown);
}

}  // namespace kv884

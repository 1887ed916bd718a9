#include "gui/view_widgets.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <stdexcept>

#include "gui/picture_art.hpp"
#include "gui/user_defined_characters.hpp"

namespace kv884 {

QFont windowFont(std::u16string_view face, double points, bool bold) {
  QFont font(qText(face));
  font.setPointSizeF(points);
  font.setBold(bold);
  return withUserDefinedCharacters(font);
}

QString qText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* makeLayoutArea(QWidget* window, QSize size) {
  auto* scroller = new QScrollArea(window);
  scroller->setFrameShape(QFrame::NoFrame);
  auto* area = new QWidget;
  area->setFixedSize(size);
  scroller->setWidget(area);
  auto* fill = new QVBoxLayout(window);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(scroller);
  return area;
}

namespace {

// Fixes a maximised window's size once the window system shows it, so that it cannot be
// resized; fixed any earlier, it would keep a window manager from maximising it.
class MaximisedSizeKeeper : public QObject {
 public:
  explicit MaximisedSizeKeeper(QWidget* window) : QObject(window), window_(window) {
    setObjectName(kName);
  }
  static constexpr const char* kName = "maximisedSizeKeeper";

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto* shown = static_cast<QWindow*>(watched);
    if ((event->type() == QEvent::Expose || event->type() == QEvent::Resize) &&
        shown->isExposed() && window_->isMaximized() && window_->minimumSize() != shown->size())
      window_->setFixedSize(shown->size());
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void showMaximisedFixed(QWidget* window) {
  // Without a window manager to maximise it, the window shows its whole layout where it can.
  const auto* layoutArea = window->findChild<QScrollArea*>();
  if (layoutArea && window->screen())
    window->resize(layoutArea->widget()->size().boundedTo(window->screen()->availableSize()));
  window->showMaximized();
  if (!window->findChild<QObject*>(QLatin1String(MaximisedSizeKeeper::kName)))
    window->windowHandle()->installEventFilter(new MaximisedSizeKeeper(window));
}

void placeControl(QWidget* widget, std::span<const ControlPlace> layout, std::string_view name) {
  auto place = std::find_if(layout.begin(), layout.end(),
                            [&](const ControlPlace& p) { return p.name == name; });
  if (place == layout.end()) throw std::logic_error("control missing from its layout table");
  widget->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  widget->setGeometry(pixelRect(*place));
}

QLabel* makeLabel(QWidget* parent, std::span<const ControlPlace> layout, std::string_view name,
                  const Label& control, const QFont& font, Qt::Alignment alignment,
                  const QString& styleSheet) {
  auto* label = new QLabel(QString::fromStdU16String(control.caption), parent);
  placeControl(label, layout, name);
  label->setFont(font);
  label->setAlignment(alignment);
  if (!styleSheet.isEmpty()) label->setStyleSheet(styleSheet);
  return label;
}

QPushButton* makeButton(QWidget* parent, std::span<const ControlPlace> layout,
                        std::string_view name, const Button& control, const QFont& font) {
  auto* button = new CaptionButton(QString::fromStdU16String(control.caption), parent);
  placeControl(button, layout, name);
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
  if (!border)
    return QStringLiteral("%1 { color: %2; background-color: %3; border: none; }")
        .arg(widgetClass, text, background);
  // A box with the focus shows it in its border (a read-only box shows no cursor).
  return QStringLiteral(
             "%1 { color: %2; background-color: %3; border: 2px inset #a0a0a0; }"
             " %1:focus { border: 2px solid #000000; }")
      .arg(widgetClass, text, background);
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

void CaptionButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    click();  // Enter presses a focused button as Space does
  else
    QPushButton::keyPressEvent(event);
}

void ClickableLineEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (onMousePress && event->button() == Qt::LeftButton) onMousePress();
}

void showText(QLineEdit* box, const std::u16string& text) {
  const QString shown = QString::fromStdU16String(text);
  if (box->text() == shown) return;
  box->setText(shown);
  // What the program puts into a box shows from its beginning (a long security name keeps its
  // code in sight); a box being typed into keeps its cursor where the typing goes on.
  if (box->isReadOnly() || !box->hasFocus()) box->setCursorPosition(0);
}

void showEditText(QComboBox* combo, const std::u16string& text) {
  const QString shown = QString::fromStdU16String(text);
  if (combo->currentText() != shown) combo->setEditText(shown);
}

}  // namespace kv884

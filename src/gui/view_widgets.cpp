#include "gui/view_widgets.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWindow>

#include "gui/user_defined_characters.hpp"
#include "gui/window_placement.hpp"

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
  // Without a window manager to maximise it, the window shows as much of its layout as it can
  // beside the buttons of the windows already shown.
  const auto* layoutArea = window->findChild<QScrollArea*>();
  if (layoutArea && window->screen() && !window->isVisible())
    window->setGeometry(placeClearOf(window->screen()->availableGeometry(),
                                     layoutArea->widget()->size(), buttonsOfOtherWindows(window)));
  window->showMaximized();
  if (!window->findChild<QObject*>(QLatin1String(MaximisedSizeKeeper::kName)))
    window->windowHandle()->installEventFilter(new MaximisedSizeKeeper(window));
}

QString boxStyle(const char* text, const char* background, bool border, const char* widgetClass) {
  const QString style =
      border ? QStringLiteral(
                   "%1 { color: %2; background-color: %3; border: 2px inset #a0a0a0; }"
                   " %1:focus { border: 2px solid #000000; }")
             : QStringLiteral("%1 { color: %2; background-color: %3; border: none; }");
  return style.arg(QLatin1String(widgetClass), QLatin1String(text), QLatin1String(background));
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

void ComboField::focusOutEvent(QFocusEvent* event) {
  typingEnds_ = true;
  QLineEdit::focusOutEvent(event);
  typingEnds_ = false;
}

void ComboField::keyPressEvent(QKeyEvent* event) {
  typingEnds_ = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QLineEdit::keyPressEvent(event);
  typingEnds_ = false;
}

FocusFollowingScrollArea::FocusFollowingScrollArea(QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { showControlOf(now); });
}

bool FocusFollowingScrollArea::focusNextPrevChild(bool next) {
  return QWidget::focusNextPrevChild(next);  // the focus change itself scrolls
}

void FocusFollowingScrollArea::showControlOf(QWidget* focused) {
  QWidget* area = widget();
  if (!focused || !area || !area->isAncestorOf(focused)) return;
  QWidget* control = focused;
  while (control->parentWidget() != area) control = control->parentWidget();
  const QRect place = control->geometry();
  ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + 1,
                place.height() / 2 + 1);
}

}  // namespace kv884

#include "gui/window_view.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/picture_art.hpp"
#include "gui/qt_ui.hpp"
#include "gui/view_widgets.hpp"
#include "platform/key_compare.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/report_window.hpp"
#include "startwin/start_window.hpp"

namespace kv884 {
namespace {

// Copies a text into a box only when it differs, so the cursor of a box being typed into stays
// where the typing goes on; what the program puts into a box shows from its beginning (a long
// security name keeps its code in sight).
void showText(QLineEdit* box, const std::u16string& text) {
  const QString shown = QString::fromStdU16String(text);
  if (box->text() == shown) return;
  box->setText(shown);
  if (box->isReadOnly() || !box->hasFocus()) box->setCursorPosition(0);
}

}  // namespace

template <typename Window>
WindowView<Window>::WindowView(QtUi& ui, std::function<Window*()> window, std::u16string_view title,
                               const WindowLayout& layout, const QFont& font, Handler closeHandler)
    : ui_(ui),
      window_(std::move(window)),
      layout_(layout),
      closeHandler_(closeHandler),
      area_(new QWidget) {
  setWindowTitle(qText(title));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(font);
  // A scrolling area that fills the window: where the window is smaller than the layout (a small
  // screen, a large scale factor), the layout scrolls and the control with the focus is in sight.
  auto* scroller = new FocusFollowingScrollArea(this);
  const PixelSize areaSize = layout.pixelSize();
  area_->setFixedSize(areaSize.width, areaSize.height);
  scroller->setWidget(area_);
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(scroller);
}

template <typename Window>
void WindowView<Window>::refresh() {
  const Window* window = window_();
  if (!window) return;
  QWidget* focused = focusWidget();
  for (const auto& copy : copies_) copy(*window);
  // Qt hands the focus of a disabled control to the next one in the keyboard order, which may be
  // a control where the next key does what the clerk did not ask for; the window names the heir.
  if constexpr (requires { window->focusHeir(std::string_view()); }) {
    if (focused && !focused->isEnabled()) {
      const QByteArray name = focused->objectName().toLatin1();
      if (QWidget* heir = control(window->focusHeir(std::string_view(name.data(), name.size()))))
        heir->setFocus(Qt::OtherFocusReason);
    }
  }
}

template <typename Window>
void WindowView<Window>::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The focus frame shows from the start, not only once Tab has been pressed, so that the first
  // Enter or Space surprises no one; showing a window clears the mark that draws it.
  setAttribute(Qt::WA_KeyboardFocusChange);
}

template <typename Window>
void WindowView<Window>::closeEvent(QCloseEvent* event) {
  const bool handled = !ui_.ending() && window_();
  if (handled) run(closeHandler_);
  // The handler unloads the window or ends the program; Qt closes nothing by itself.
  event->setAccepted(!handled || ui_.ending());
}

template <typename Window>
void WindowView<Window>::run(Handler handler) {
  if (Window* window = window_()) {
    // Qt cannot carry an exception through its event loop: a search by name that finds no name
    // collation is abandoned with its message, and the window stays as it was.
    try {
      (window->*handler)();
    } catch (const CollationUnavailable& e) {
      ui_.programMessage(fromUtf8(e.what()));
    }
    ui_.refreshAll();
  }
}

template <typename Window>
void WindowView<Window>::place(QWidget* widget, std::string_view name) {
  widget->setParent(area_);
  widget->setObjectName(QString::fromLatin1(name));
  const PixelRect rect = pixelRect(layout_.place(name));
  widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

template <typename Window>
QWidget* WindowView<Window>::control(std::string_view name) const {
  return area_->findChild<QWidget*>(QString::fromLatin1(name));
}

template <typename Window>
void WindowView<Window>::banner() {
  auto* picture = new QLabel;
  place(picture, "Image1");
  picture->setPixmap(drawBanner());
  picture->setScaledContents(true);
}

template <typename Window>
void WindowView<Window>::line(std::string_view name) {
  auto* drawn = new QFrame;
  place(drawn, name);
  drawn->setFrameShape(QFrame::NoFrame);
  drawn->setStyleSheet(QStringLiteral("background-color: #808080;"));
}

template <typename Window>
QLabel* WindowView<Window>::label(std::string_view name, const Label& control, const QFont& font,
                                  Qt::Alignment alignment, const QString& style) {
  auto* label = new QLabel(QString::fromStdU16String(control.caption));
  place(label, name);
  label->setFont(font);
  label->setAlignment(alignment);
  label->setStyleSheet(style);
  return label;
}

template <typename Window>
QPushButton* WindowView<Window>::button(std::string_view name, Button Window::*control,
                                        const QFont& font, Handler handler) {
  auto* button = new CaptionButton;
  place(button, name);
  button->setFont(font);
  // No button reacts to Enter or Escape by itself.
  button->setAutoDefault(false);
  button->setDefault(false);
  if (handler) connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
  onRefresh([button, control](const Window& window) {
    const Button& state = window.*control;
    button->setText(QString::fromStdU16String(state.caption));
    button->setEnabled(state.enabled);
    button->setToolTip(QString::fromStdU16String(state.tooltip));
  });
  return button;
}

template <typename Window>
template <typename Control>
void WindowView<Window>::followTyping(QLineEdit* field, Control Window::*control) {
  connect(field, &QLineEdit::textEdited, this, [this, control](const QString& text) {
    if (Window* window = window_()) (window->*control).text = text.toStdU16String();
  });
}

template <typename Window>
ClickableLineEdit* WindowView<Window>::textBox(std::string_view name, TextBox Window::*control,
                                               const QFont& font, const QString& style) {
  auto* box = new ClickableLineEdit;
  place(box, name);
  box->setFont(font);
  box->setStyleSheet(style);
  followTyping(box, control);
  onRefresh([box, control](const Window& window) {
    const TextBox& state = window.*control;
    const int limit = state.maxLength > 0 ? state.maxLength : 32767;
    if (box->maxLength() != limit) box->setMaxLength(limit);  // which moves the cursor to the end
    showText(box, state.text);
    box->setEnabled(state.enabled);
  });
  return box;
}

template <typename Window>
QComboBox* WindowView<Window>::comboBox(std::string_view name, ComboBox Window::*control,
                                        const QFont& font, const QString& style, Handler pick) {
  auto* combo = new QComboBox;
  place(combo, name);
  auto* field = new ComboField;
  combo->setLineEdit(field);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);  // typed text stays as typed
  combo->setFont(font);
  combo->setStyleSheet(style);
  for (const std::u16string& item : (window_()->*control).items)
    combo->addItem(QString::fromStdU16String(item));
  followTyping(field, control);
  if (pick)
    connect(combo, &QComboBox::activated, this, [this, combo, field, control, pick](int index) {
      // A kind typed into the field is no pick from the list.
      if (field->typingEnds()) return;
      if (Window* window = window_()) {
        (window->*control).text = combo->itemText(index).toStdU16String();
        run(pick);
      }
    });
  onRefresh([combo, control](const Window& window) {
    const ComboBox& state = window.*control;
    const QString shown = QString::fromStdU16String(state.text);
    if (combo->currentText() != shown) combo->setEditText(shown);
    combo->setEnabled(state.enabled);
  });
  return combo;
}

template <typename Window>
void WindowView<Window>::setKeyboardOrder(std::initializer_list<std::string_view> names) {
  for (auto next = names.begin() + 1; next < names.end(); ++next)
    setTabOrder(control(*(next - 1)), control(*next));
}

template class WindowView<StartWindow>;
template class WindowView<QueryWindow>;
template class WindowView<ReportWindow>;

}  // namespace kv884

#pragma once
// Building blocks of the three views: the fonts and colours of the windows, the buttons and text
// boxes they are made of, and the maximised windows that keep their size.

#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <functional>
#include <string_view>

#include "platform/face_names.hpp"

namespace kv884 {

// The face at the size, drawing user-defined characters as user_defined_characters says.
QFont windowFont(std::u16string_view face, double points, bool bold = false);

QString qText(std::u16string_view text);

// A style sheet for a box of widgetClass: text and background colour, with or without the box's
// border; a box with a border shows the focus in it. The colours hold in the disabled state too,
// so disabled boxes stay readable.
QString boxStyle(const char* text, const char* background, bool border,
                 const char* widgetClass = "QLineEdit");

// The style sheets of the query row that the query window and the count report window share: the
// blue captions, the kind combo box and the key box in white on olive.
inline const QString kBlueCaptionStyle = QStringLiteral("QLabel { color: #0000ff; }");
inline const QString kKindComboStyle = QStringLiteral(
    "QComboBox, QComboBox QLineEdit { color: #ffffff; background-color: #808000; }"
    " QComboBox QAbstractItemView { color: #000000; background-color: #ffffff; }");
inline const QString kKeyBoxStyle = boxStyle("#ffffff", "#808000", true);

// Opens a window maximised with a fixed single border: once shown maximised, it cannot be
// resized.
void showMaximisedFixed(QWidget* window);

// A command button whose caption wraps onto further lines when it is wider than the button, and
// which Enter presses as Space does while it has the focus (it is never a default button).
class CaptionButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// A single-line text box that reports a mouse press into it (keyboard focus does not).
class ClickableLineEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  std::function<void()> onMousePress;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// The text field of a combo box. When typing into it ends (Enter, the focus leaving), the combo
// box takes a text that matches an item as a pick of that item; typingEnds tells such a pick from
// one made in the list.
class ComboField : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  bool typingEnds() const { return typingEnds_; }

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool typingEnds_{false};
};

// A frameless scrolling area that takes no focus itself and brings into sight the whole of the
// control that gets the focus, however it gets it (Qt's own area shows only a text box's cursor).
class FocusFollowingScrollArea : public QScrollArea {
 public:
  explicit FocusFollowingScrollArea(QWidget* parent);

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void showControlOf(QWidget* focused);
};

}  // namespace kv884

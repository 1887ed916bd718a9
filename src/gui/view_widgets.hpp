#pragma once
// Building blocks of the three views: widgets placed by their layout table entry and named after
// their control, the fonts and colours of the windows, and copying control texts into widgets.

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "gui/layout_tables.hpp"
#include "platform/controls.hpp"

namespace kv884 {

// The faces the windows name; font_substitutions maps them onto installed families.
inline constexpr std::u16string_view kKaiFace = u"標楷體";
inline constexpr std::u16string_view kMingFace = u"細明體";
inline constexpr std::u16string_view kNewMingFace = u"新細明體";
inline constexpr std::u16string_view kArialFace = u"Arial";

// The face at the size, drawing user-defined characters as user_defined_characters says.
QFont windowFont(std::u16string_view face, double points, bool bold = false);

QString qText(std::u16string_view text);

// The area of a window that its controls are laid out on, size pixels large, inside a frameless
// scrolling area that fills the window: where the window is smaller than the layout (a small
// screen, a large scale factor), the layout scrolls and every control stays within reach.
QWidget* makeLayoutArea(QWidget* window, QSize size);

// Opens a window maximised with a fixed single border: once shown maximised, it cannot be
// resized.
void showMaximisedFixed(QWidget* window);

// Puts a widget at its table place under parent and names it after the control.
void placeControl(QWidget* widget, std::span<const ControlPlace> layout, std::string_view name);

QLabel* makeLabel(QWidget* parent, std::span<const ControlPlace> layout, std::string_view name,
                  const Label& control, const QFont& font, Qt::Alignment alignment,
                  const QString& styleSheet = {});
QPushButton* makeButton(QWidget* parent, std::span<const ControlPlace> layout,
                        std::string_view name, const Button& control, const QFont& font);
QFrame* makeLine(QWidget* parent, std::span<const ControlPlace> layout, std::string_view name);
QLabel* makeBanner(QWidget* parent, std::span<const ControlPlace> layout);

// A style sheet for a box: text and background colour, with or without the box's border; a box
// with a border shows the focus in it. The colours hold in the disabled state too, so disabled
// boxes stay readable.
QString boxStyle(const QString& widgetClass, const QString& text, const QString& background,
                 bool border);

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

// Copies a text into a widget only when it differs, so the cursor of a box being typed into
// stays where it is; a box the program fills shows the beginning of its text.
void showText(QLineEdit* box, const std::u16string& text);
void showEditText(QComboBox* combo, const std::u16string& text);

}  // namespace kv884

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

namespace kv884 {

// The faces the windows name; font_substitutions maps them onto installed families.
inline constexpr std::u16string_view kKaiFace = u"標楷體";
inline constexpr std::u16string_view kMingFace = u"細明體";
inline constexpr std::u16string_view kNewMingFace = u"新細明體";
inline constexpr std::u16string_view kArialFace = u"Arial";

QFont windowFont(std::u16string_view face, double points, bool bold = false);

QString qText(std::u16string_view text);

// Puts a widget at its table place under parent and names it after the control.
void placeControl(QWidget* widget, std::span<const ControlPlace> layout, std::string_view name);

QLabel* makeLabel(QWidget* parent, std::span<const ControlPlace> layout, std::string_view name,
                  const QFont& font, Qt::Alignment alignment, const QString& styleSheet = {});
QPushButton* makeButton(QWidget* parent, std::span<const ControlPlace> layout,
                        std::string_view name, const QFont& font);
QFrame* makeLine(QWidget* parent, std::span<const ControlPlace> layout, std::string_view name);
QLabel* makeBanner(QWidget* parent, std::span<const ControlPlace> layout);

// A style sheet for a box: text and background colour, with or without the box's border. The
// colours hold in the disabled state too, so disabled boxes stay readable.
QString boxStyle(const QString& widgetClass, const QString& text, const QString& background,
                 bool border);

// A command button whose caption wraps onto further lines when it is wider than the button.
class CaptionButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
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
// stays where it is.
void showText(QLineEdit* box, const std::u16string& text);
void showEditText(QComboBox* combo, const std::u16string& text);

}  // namespace kv884

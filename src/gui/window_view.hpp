#pragma once
// What the three views share. A view lays out the widgets of one window where the window's layout
// table puts them, each named after its control, passes every event to the window's handler, and
// copies the window's control data back into the widgets after every handler: it decides nothing,
// not even where the focus goes when a handler disables the control that has it.

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "layout/layout_tables.hpp"
#include "platform/click_outcome.hpp"
#include "platform/controls.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kv884 {

class ClickableLineEdit;
class QtUi;

// A window on the screen.
class View : public QWidget {
 public:
  // Copies the window's control data into the widgets; nothing while the window is not loaded.
  virtual void refresh() = 0;
};

template <typename Window>
class WindowView : public View {
 public:
  void refresh() override;

 protected:
  using Handler = ClickOutcome (Window::*)();

  // A window with a fixed single border (no maximise box), its controls on a scrolling area of
  // the layout's size; its close box runs closeHandler, as the window's own button does.
  WindowView(QtUi& ui, std::function<Window*()> window, std::u16string_view title,
             const WindowLayout& layout, const QFont& font, Handler closeHandler);

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  // Runs a handler of the loaded window, then refreshes every view, since a handler of one
  // window may change another (結束 enables the open button).
  void run(Handler handler);
  // Adds a copy of control data into the widgets to every refresh, after those added before.
  void onRefresh(std::function<void(const Window&)> copy) { copies_.push_back(std::move(copy)); }

  // Widgets at their table place on the layout area, named after their control.
  void place(QWidget* widget, std::string_view name);
  QWidget* control(std::string_view name) const;
  void banner();
  void line(std::string_view name);
  QLabel* label(std::string_view name, const Label& control, const QFont& font,
                Qt::Alignment alignment, const QString& style = {});
  // A click runs handler; without one the button does nothing.
  QPushButton* button(std::string_view name, Button Window::*control, const QFont& font,
                      Handler handler = nullptr);
  ClickableLineEdit* textBox(std::string_view name, TextBox Window::*control, const QFont& font,
                             const QString& style);
  // A pick from the list sets the control's text and runs pick; without one it does nothing.
  QComboBox* comboBox(std::string_view name, ComboBox Window::*control, const QFont& font,
                      const QString& style, Handler pick = nullptr);
  void setKeyboardOrder(std::initializer_list<std::string_view> names);

  QtUi& ui_;

 private:
  // Typing into the field changes the control's text and nothing else.
  template <typename Control>
  void followTyping(QLineEdit* field, Control Window::*control);

  std::function<Window*()> window_;
  const WindowLayout& layout_;
  Handler closeHandler_;
  QWidget* area_;
  std::vector<std::function<void(const Window&)>> copies_;
};

}  // namespace kv884

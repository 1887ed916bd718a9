#pragma once
// The register query window frm_1 on the screen: opens maximised with a fixed border, its
// controls where its table puts them. Every event goes to QueryWindow's handler; the view decides
// nothing but where the focus goes when a handler disables the button that has it.

#include <QWidget>
#include <map>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kv884 {

class ClickableLineEdit;
class Program;
class QtUi;
class QueryWindow;

class QueryView : public QWidget {
 public:
  QueryView(Program& program, QtUi& ui);

  // Copies frm_1's control data into the widgets.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void run(void (QueryWindow::*handler)());
  void makeOutputBoxes(QWidget* area);
  // Moves the focus off a button that its control data disables, to its heir.
  void handOnFocus();

  Program& program_;
  QtUi& ui_;
  QComboBox* comb_1_;
  ClickableLineEdit* tx_i_01_;
  std::map<std::string, QPushButton*> buttons_;
  std::map<std::string, QLineEdit*> boxes_;
};

}  // namespace kv884

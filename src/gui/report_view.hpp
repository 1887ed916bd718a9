#pragma once
// The count report window frm_5 on the screen: opens maximised with a fixed border, the report
// in a read-only, scrollable box; its query row is shown but inert.

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kv884 {

class Program;
class QtUi;
class ReportWindow;

class ReportView : public QWidget {
 public:
  ReportView(Program& program, QtUi& ui);

  // Copies frm_5's control data into the widgets.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void run(void (ReportWindow::*handler)());

  Program& program_;
  QtUi& ui_;
  QComboBox* comb_1_;
  QLineEdit* tx_i_01_;
  QPushButton* Command2_;
  QPushButton* Command1_;
  QPushButton* cmd_1_;
  QPushButton* cmd_2_;
  QPlainTextEdit* tx_o_01_;
};

}  // namespace kv884

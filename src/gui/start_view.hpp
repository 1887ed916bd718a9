#pragma once
// The start window frm_0 on the screen: fixed size, centred, its controls where its table puts
// them. Every event goes to StartWindow's handler; the view decides nothing.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace kv884 {

class Program;
class QtUi;
class StartWindow;

class StartView : public QWidget {
 public:
  StartView(Program& program, QtUi& ui);

  // Copies frm_0's control data into the widgets.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void run(void (StartWindow::*handler)());

  Program& program_;
  QtUi& ui_;
  QPushButton* cmd_1_;
  QPushButton* cmd_5_;
  QPushButton* lab_01_;
  QLineEdit* tx_i_01_;
  QPushButton* cmd_6_;
};

}  // namespace kv884

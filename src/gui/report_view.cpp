#include "gui/report_view.hpp"

#include <QCloseEvent>
#include <QPlainTextEdit>

#include "gui/qt_ui.hpp"
#include "gui/view_widgets.hpp"
#include "startwin/program.hpp"
#include "startwin/report_window.hpp"

namespace kv884 {

ReportView::ReportView(Program& program, QtUi& ui) : program_(program), ui_(ui) {
  const auto layout = reportLayout();
  const ReportWindow& frm_5 = program_.reportWindowCreated();
  setWindowTitle(qText(ReportWindow::kCaption));
  // A fixed single border: no maximise box (the window opens maximised).
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(windowFont(kNewMingFace, 9));
  QWidget* area = makeLayoutArea(this, pixelSize(kReportClientWidth, kReportClientHeight));

  makeBanner(area, layout);
  makeLabel(area, layout, "Label1", frm_5.Label1, windowFont(kKaiFace, 18),
            Qt::AlignLeft | Qt::AlignTop);
  makeLine(area, layout, "Line1_0");
  const QFont captionFont = windowFont(kKaiFace, 11.25);
  const QString blueText = QStringLiteral("QLabel { color: #0000ff; }");
  makeLabel(area, layout, "Label2_0", frm_5.Label2_0, captionFont, Qt::AlignLeft | Qt::AlignTop,
            blueText);
  makeLabel(area, layout, "Label2_1", frm_5.Label2_1, captionFont, Qt::AlignLeft | Qt::AlignTop,
            blueText);

  const QFont inputFont = windowFont(kKaiFace, 14.25, true);
  comb_1_ = new QComboBox(area);
  placeControl(comb_1_, layout, "comb_1");
  comb_1_->setEditable(true);
  comb_1_->setInsertPolicy(QComboBox::NoInsert);
  comb_1_->setCompleter(nullptr);
  comb_1_->setFont(inputFont);
  comb_1_->setStyleSheet(QStringLiteral(
      "QComboBox, QComboBox QLineEdit { color: #ffffff; background-color: #808000; }"));
  for (const std::u16string& item : frm_5.comb_1.items)
    comb_1_->addItem(QString::fromStdU16String(item));
  tx_i_01_ = new QLineEdit(area);
  placeControl(tx_i_01_, layout, "tx_i_01");
  tx_i_01_->setFont(inputFont);
  tx_i_01_->setStyleSheet(boxStyle(QStringLiteral("QLineEdit"), QStringLiteral("#ffffff"),
                                   QStringLiteral("#808000"), true));

  const QFont buttonFont = windowFont(kKaiFace, 14.25);
  Command2_ = makeButton(area, layout, "Command2", frm_5.Command2, buttonFont);
  Command1_ = makeButton(area, layout, "Command1", frm_5.Command1, buttonFont);
  cmd_1_ = makeButton(area, layout, "cmd_1", frm_5.cmd_1, buttonFont);
  cmd_2_ = makeButton(area, layout, "cmd_2", frm_5.cmd_2, buttonFont);
  makeLine(area, layout, "Line_01");

  tx_o_01_ = new QPlainTextEdit(area);
  placeControl(tx_o_01_, layout, "tx_o_01");
  tx_o_01_->setReadOnly(true);
  // Read by keyboard too: a cursor shows the focus, Ctrl+Home and Ctrl+End go to either end.
  tx_o_01_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  tx_o_01_->setLineWrapMode(QPlainTextEdit::NoWrap);
  tx_o_01_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  tx_o_01_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  tx_o_01_->setFont(windowFont(kMingFace, 14.25));
  tx_o_01_->setStyleSheet(boxStyle(QStringLiteral("QPlainTextEdit"), QStringLiteral("#0000ff"),
                                   QStringLiteral("#c0c0c0"), true));
  makeLine(area, layout, "Line2");

  setTabOrder(cmd_2_, tx_o_01_);
  setTabOrder(tx_o_01_, cmd_1_);
  setTabOrder(cmd_1_, Command1_);
  setTabOrder(Command1_, comb_1_);
  setTabOrder(comb_1_, tx_i_01_);
  setTabOrder(tx_i_01_, Command2_);
  cmd_2_->setFocus();

  connect(cmd_1_, &QPushButton::clicked, this, [this] { run(&ReportWindow::cmd_1_Click); });
  connect(cmd_2_, &QPushButton::clicked, this, [this] { run(&ReportWindow::cmd_2_Click); });
  refresh();
}

void ReportView::refresh() {
  ReportWindow* frm_5 = program_.reportWindow();
  if (!frm_5) return;
  showEditText(comb_1_, frm_5->comb_1.text);
  comb_1_->setEnabled(frm_5->comb_1.enabled);
  showText(tx_i_01_, frm_5->tx_i_01.text);
  tx_i_01_->setEnabled(frm_5->tx_i_01.enabled);
  tx_i_01_->setMaxLength(frm_5->tx_i_01.maxLength > 0 ? frm_5->tx_i_01.maxLength : 32767);
  Command2_->setEnabled(frm_5->Command2.enabled);
  Command1_->setEnabled(frm_5->Command1.enabled);
  cmd_1_->setEnabled(frm_5->cmd_1.enabled);
  cmd_2_->setEnabled(frm_5->cmd_2.enabled);
  // Each CR LF of the report is one line break of the box.
  QString text = QString::fromStdU16String(frm_5->tx_o_01.text);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (tx_o_01_->toPlainText() != text) tx_o_01_->setPlainText(text);
}

void ReportView::run(void (ReportWindow::*handler)()) {
  ReportWindow* frm_5 = program_.reportWindow();
  if (!frm_5) return;
  (frm_5->*handler)();
  ui_.refreshAll();
}

// The close box closes the window as 結束 does.
void ReportView::closeEvent(QCloseEvent* event) {
  if (ui_.ending() || !program_.reportWindow()) {
    event->accept();
    return;
  }
  event->ignore();
  run(&ReportWindow::cmd_2_Click);
}

}  // namespace kv884

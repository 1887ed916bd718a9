#include "gui/report_view.hpp"

#include <QLabel>
#include <QPlainTextEdit>

#include "gui/view_widgets.hpp"
#include "startwin/program.hpp"

namespace kv884 {

ReportView::ReportView(Program& program, QtUi& ui)
    : WindowView(
          ui, [&program] { return program.reportWindow(); }, ReportWindow::kCaption, reportLayout(),
          windowFont(kNewMingFace, 9), &ReportWindow::cmd_2_Click) {
  const ReportWindow& frm_5 = program.reportWindowCreated();
  banner();
  label("Label1", frm_5.Label1, windowFont(kKaiFace, 18), Qt::AlignLeft | Qt::AlignTop);
  line("Line1_0");
  const QFont captionFont = windowFont(kKaiFace, 11.25);
  label("Label2_0", frm_5.Label2_0, captionFont, Qt::AlignLeft | Qt::AlignTop, kBlueCaptionStyle);
  label("Label2_1", frm_5.Label2_1, captionFont, Qt::AlignLeft | Qt::AlignTop, kBlueCaptionStyle);
  const QFont inputFont = windowFont(kKaiFace, 14.25, true);
  comboBox("comb_1", &ReportWindow::comb_1, inputFont, kKindComboStyle);
  textBox("tx_i_01", &ReportWindow::tx_i_01, inputFont, kKeyBoxStyle);
  const QFont buttonFont = windowFont(kKaiFace, 14.25);
  button("Command2", &ReportWindow::Command2, buttonFont);
  button("Command1", &ReportWindow::Command1, buttonFont);
  button("cmd_1", &ReportWindow::cmd_1, buttonFont, &ReportWindow::cmd_1_Click);
  button("cmd_2", &ReportWindow::cmd_2, buttonFont, &ReportWindow::cmd_2_Click);
  line("Line_01");

  auto* report = new QPlainTextEdit;
  place(report, "tx_o_01");
  report->setReadOnly(true);
  // Read by keyboard too: a cursor shows the focus, Ctrl+Home and Ctrl+End go to either end.
  report->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  report->setLineWrapMode(QPlainTextEdit::NoWrap);
  report->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  report->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  report->setFont(windowFont(kMingFace, 14.25));
  report->setStyleSheet(boxStyle("#0000ff", "#c0c0c0", true, "QPlainTextEdit"));
  onRefresh([report](const ReportWindow& window) {
    // Each CR LF of the report is one line break of the box.
    QString text = QString::fromStdU16String(window.tx_o_01.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (report->toPlainText() != text) report->setPlainText(text);
  });
  line("Line2");

  setKeyboardOrder({"cmd_2", "tx_o_01", "cmd_1", "Command1", "comb_1", "tx_i_01", "Command2"});
  control("cmd_2")->setFocus();
  refresh();
}

}  // namespace kv884

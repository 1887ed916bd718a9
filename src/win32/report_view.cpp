#include "platform/face_names.hpp"
#include "win32/views.hpp"

namespace kv884 {

ReportView::ReportView(Program& program, Win32Ui& ui)
    : NativeView(
          ui, [&program] { return program.reportWindow(); }, ReportWindow::kCaption, reportLayout(),
          &ReportWindow::cmd_2_Click) {
  const ReportWindow& frm_5 = program.reportWindowCreated();
  banner();
  label("Label1", frm_5.Label1, {kKaiFace, 18}, SS_LEFT);
  line("Line1_0");
  const FaceAndSize captionFont{kKaiFace, 11.25};
  const Colours blueText{kBlue, GetSysColor(COLOR_BTNFACE)};
  label("Label2_0", frm_5.Label2_0, captionFont, SS_LEFT, blueText);
  label("Label2_1", frm_5.Label2_1, captionFont, SS_LEFT, blueText);
  const FaceAndSize inputFont{kKaiFace, 14.25, true};
  comboBox("comb_1", &ReportWindow::comb_1, inputFont, Colours{kWhite, kOlive});
  textBox("tx_i_01", &ReportWindow::tx_i_01, inputFont, ES_LEFT, Colours{kWhite, kOlive});
  const FaceAndSize buttonFont{kKaiFace, 14.25};
  button("Command2", &ReportWindow::Command2, buttonFont);
  button("Command1", &ReportWindow::Command1, buttonFont);
  button("cmd_1", &ReportWindow::cmd_1, buttonFont, &ReportWindow::cmd_1_Click);
  button("cmd_2", &ReportWindow::cmd_2, buttonFont, &ReportWindow::cmd_2_Click);
  line("Line_01");
  // Read by keyboard too: the caret shows the focus, Ctrl+Home and Ctrl+End go to either end.
  Form::passTabOn(textBox("tx_o_01", &ReportWindow::tx_o_01, {kMingFace, 14.25},
                          ES_MULTILINE | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL,
                          Colours{kBlue, kLightGrey}));
  line("Line2");

  form_.setKeyboardOrder(
      {"cmd_2", "tx_o_01", "cmd_1", "Command1", "comb_1", "tx_i_01", "Command2"});
  SetFocus(form_.control("cmd_2"));
  refresh();
}

}  // namespace kv884

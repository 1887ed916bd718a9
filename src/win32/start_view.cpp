#include "platform/face_names.hpp"
#include "win32/views.hpp"

namespace kv884 {

StartView::StartView(Program& program, Win32Ui& ui)
    : NativeView(
          ui, [&program] { return &program.frm_0; }, StartWindow::kCaption, startLayout(),
          &StartWindow::cmd_6_Click) {
  const StartWindow& frm_0 = program.frm_0;
  banner();
  label("Label1", frm_0.Label1, {kKaiFace, 18}, SS_CENTER);
  const FaceAndSize buttonFont{kKaiFace, 14.25};
  button("cmd_1", &StartWindow::cmd_1, buttonFont, &StartWindow::cmd_1_Click);
  button("cmd_5", &StartWindow::cmd_5, buttonFont, &StartWindow::cmd_5_Click);
  button("lab_01", &StartWindow::lab_01, buttonFont, &StartWindow::lab_01_Click);
  textBox("tx_i_01", &StartWindow::tx_i_01, {kArialFace, 18, true}, ES_LEFT,
          Colours{kRed, RGB(0xFF, 0xFF, 0xC0)});
  button("cmd_6", &StartWindow::cmd_6, buttonFont, &StartWindow::cmd_6_Click);
  label("lab_02", frm_0.lab_02, {kNewMingFace, 9}, SS_LEFT,
        Colours{RGB(0x40, 0x40, 0x40), GetSysColor(COLOR_BTNFACE)});

  form_.setKeyboardOrder({"tx_i_01", "cmd_6", "cmd_1", "cmd_5", "lab_01"});
  SetFocus(form_.control("tx_i_01"));
  refresh();
}

}  // namespace kv884

#include <algorithm>

#include "layout/picture_shapes.hpp"
#include "platform/face_names.hpp"
#include "querywin/query_boxes.hpp"
#include "win32/views.hpp"

namespace kv884 {

QueryView::QueryView(Program& program, Win32Ui& ui)
    : NativeView(
          ui, [&program] { return program.queryWindow(); }, QueryControls::kCaption, queryLayout(),
          &QueryWindow::cmd_3_Click) {
  const QueryControls& frm_1 = *program.queryWindow();
  const Colours blueText{kBlue, GetSysColor(COLOR_BTNFACE)};
  // Header and command row.
  banner();
  label("Label1", frm_1.Label1, {kKaiFace, 18}, SS_LEFT);
  line("Line1");
  const FaceAndSize captionFont{kKaiFace, 11.25};
  label("Label2_0", frm_1.Label2_0, captionFont, SS_RIGHT, blueText);
  label("Label2_1", frm_1.Label2_1, captionFont, SS_RIGHT, blueText);
  const FaceAndSize inputFont{kKaiFace, 14.25, true};
  comboBox("comb_1", &QueryWindow::comb_1, inputFont, Colours{kWhite, kOlive},
           &QueryWindow::comb_1_Click);
  onMousePress(
      textBox("tx_i_01", &QueryWindow::tx_i_01, inputFont, ES_LEFT, Colours{kWhite, kOlive}),
      &QueryWindow::tx_i_01_Click);
  const FaceAndSize buttonFont{kKaiFace, 14.25};
  for (const QueryButton& b : kQueryButtons) {
    if (b.name == std::string_view("cmd_5"))
      pictureButton(b.name, b.control, b.handler, ArrowDirection::Left);
    else if (b.name == std::string_view("cmd_6"))
      pictureButton(b.name, b.control, b.handler, ArrowDirection::Right);
    else
      button(b.name, b.control, buttonFont, b.handler);
  }
  line("Line_01");

  // Record area and footer.
  for (const QueryBox& b : kQueryBoxes)
    if (b.label) label(b.labelName, frm_1.*(b.label), captionFont, SS_RIGHT, blueText);
  makeOutputBoxes();
  label("Label9", frm_1.Label9, {kArialFace, 15.75}, SS_CENTER,
        Colours{GetSysColor(COLOR_WINDOWTEXT), kLightGrey}, WS_BORDER | WS_DISABLED);
  label("Label6", frm_1.Label6, {kNewMingFace, 10.5}, SS_LEFT);
  line("Line_02");

  // Keyboard order; the display-only boxes never take the focus.
  form_.setKeyboardOrder({"tx_i_01", "cmd_1", "comb_1", "cmd_2", "cmd_3", "tx_o_05", "tx_o_04",
                          "tx_o_03", "cmd_4", "cmd_5", "cmd_6", "tx_o_04_x"});
  SetFocus(form_.control("tx_i_01"));
  refresh();
}

void QueryView::makeOutputBoxes() {
  const FaceAndSize boxFont{kNewMingFace, 14.25};
  struct BorderlessBox {
    std::string_view name;
    Colours colours;
    DWORD alignment;
    FaceAndSize font;
  };
  const BorderlessBox borderless[] = {
      {"tx_o_19", {kRed, kLightGrey}, ES_CENTER, boxFont},
      {"tx_o_05_1", {kRed, GetSysColor(COLOR_BTNFACE)}, ES_CENTER, boxFont},
      // In the window's own font.
      {"tx_o_pnt",
       {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_MENU)},
       ES_RIGHT,
       {kNewMingFace, 9}},
  };
  for (const QueryBox& b : kQueryBoxes) {
    const auto* plain = std::find_if(std::begin(borderless), std::end(borderless),
                                     [&b](const BorderlessBox& p) { return p.name == b.name; });
    if (plain != std::end(borderless))
      textBox(b.name, b.box, plain->font, plain->alignment, plain->colours, false);
    else
      textBox(b.name, b.box, boxFont, b.name == "tx_o_03" ? ES_LEFT : ES_CENTER,
              Colours{kYellow, kGrey});
  }
}

}  // namespace kv884

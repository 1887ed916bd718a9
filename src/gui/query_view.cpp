#include "gui/query_view.hpp"

#include <QLabel>

#include "gui/picture_art.hpp"
#include "gui/view_widgets.hpp"
#include "querywin/query_boxes.hpp"
#include "startwin/program.hpp"

namespace kv884 {

QueryView::QueryView(Program& program, QtUi& ui)
    : WindowView(
          ui, [&program] { return program.queryWindow(); }, QueryControls::kCaption, queryLayout(),
          windowFont(kNewMingFace, 9), &QueryWindow::cmd_3_Click) {
  const QueryControls& frm_1 = *program.queryWindow();
  // Header and command row.
  banner();
  label("Label1", frm_1.Label1, windowFont(kKaiFace, 18), Qt::AlignLeft | Qt::AlignTop);
  line("Line1");
  const QFont captionFont = windowFont(kKaiFace, 11.25);
  label("Label2_0", frm_1.Label2_0, captionFont, Qt::AlignRight | Qt::AlignTop, kBlueCaptionStyle);
  label("Label2_1", frm_1.Label2_1, captionFont, Qt::AlignRight | Qt::AlignTop, kBlueCaptionStyle);
  comboBox("comb_1", &QueryWindow::comb_1, windowFont(kKaiFace, 14.25, true), kKindComboStyle,
           &QueryWindow::comb_1_Click);
  textBox("tx_i_01", &QueryWindow::tx_i_01, windowFont(kKaiFace, 14.25, true), kKeyBoxStyle)
      ->onMousePress = [this] { run(&QueryWindow::tx_i_01_Click); };
  const QFont buttonFont = windowFont(kKaiFace, 14.25);
  for (const QueryButton& b : kQueryButtons) button(b.name, b.control, buttonFont, b.handler);
  for (auto [name, direction] :
       {std::pair{"cmd_5", ArrowDirection::Left}, std::pair{"cmd_6", ArrowDirection::Right}}) {
    auto* picture = static_cast<QPushButton*>(control(name));
    picture->setIcon(drawArrowPicture(direction));
    picture->setIconSize(picture->size() - QSize(4, 4));
  }
  line("Line_01");

  // Record area and footer.
  for (const QueryBox& b : kQueryBoxes)
    if (b.label)
      label(b.labelName, frm_1.*(b.label), captionFont, Qt::AlignRight | Qt::AlignTop,
            kBlueCaptionStyle);
  makeOutputBoxes();
  label("Label9", frm_1.Label9, windowFont(kArialFace, 15.75), Qt::AlignCenter,
        QStringLiteral("QLabel { color: palette(window-text); background-color: #c0c0c0;"
                       " border: 1px solid #000000; }"))
      ->setEnabled(false);
  label("Label6", frm_1.Label6, windowFont(kNewMingFace, 10.5), Qt::AlignLeft | Qt::AlignTop);
  line("Line_02");

  // Keyboard order; the display-only boxes never take the focus.
  setKeyboardOrder({"tx_i_01", "cmd_1", "comb_1", "cmd_2", "cmd_3", "tx_o_05", "tx_o_04", "tx_o_03",
                    "cmd_4", "cmd_5", "cmd_6", "tx_o_04_x"});
  for (const char* name : {"tx_o_05_1", "tx_o_pnt", "tx_o_19"})
    control(name)->setFocusPolicy(Qt::NoFocus);
  control("tx_i_01")->setFocus();
  refresh();
}

void QueryView::makeOutputBoxes() {
  const QFont boxFont = windowFont(kNewMingFace, 14.25);
  for (const QueryBox& b : kQueryBoxes) {
    QLineEdit* box = textBox(b.name, b.box, boxFont, boxStyle("#ffff00", "#808080", true));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
  }
  static_cast<QLineEdit*>(control("tx_o_03"))->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  control("tx_o_19")->setStyleSheet(boxStyle("#ff0000", "#c0c0c0", false));
  control("tx_o_05_1")->setStyleSheet(boxStyle("#ff0000", "palette(button)", false));
  auto* pointer = static_cast<QLineEdit*>(control("tx_o_pnt"));
  pointer->setFont(font());
  pointer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pointer->setStyleSheet(boxStyle("palette(text)", "palette(window)", false));
}

}  // namespace kv884

#include "gui/query_view.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPalette>

#include "gui/picture_art.hpp"
#include "gui/qt_ui.hpp"
#include "gui/view_widgets.hpp"
#include "querywin/query_boxes.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"

namespace kv884 {
namespace {

// The buttons with the control data they show and the handlers they run.
struct ButtonBinding {
  const char* name;
  Button QueryControls::*control;
  void (QueryWindow::*handler)();
};

constexpr ButtonBinding kButtons[] = {
    {"cmd_5", &QueryControls::cmd_5, &QueryWindow::cmd_5_Click},
    {"cmd_6", &QueryControls::cmd_6, &QueryWindow::cmd_6_Click},
    {"cmd_1", &QueryControls::cmd_1, &QueryWindow::cmd_1_Click},
    {"cmd_2", &QueryControls::cmd_2, &QueryWindow::cmd_2_Click},
    {"cmd_4", &QueryControls::cmd_4, &QueryWindow::cmd_4_Click},
    {"cmd_3", &QueryControls::cmd_3, &QueryWindow::cmd_3_Click},
};

// Where the focus goes when a handler disables the button that has it, instead of the next
// control of the keyboard order (結束 after 次筆, whose Space would close the window): a control
// where Space or Enter ends or changes nothing unexpectedly. An heir that is disabled itself
// passes the focus to the key box.
struct FocusHeir {
  const char* button;
  const char* heir;
};

constexpr FocusHeir kFocusHeirs[] = {
    {"cmd_1", "tx_i_01"}, {"cmd_2", "tx_i_01"}, {"cmd_5", "cmd_6"}, {"cmd_6", "cmd_5"}};

const QString kYellowOnGrey = boxStyle(QStringLiteral("QLineEdit"), QStringLiteral("#ffff00"),
                                       QStringLiteral("#808080"), true);
const QString kBlueText = QStringLiteral("QLabel { color: #0000ff; }");

}  // namespace

QueryView::QueryView(Program& program, QtUi& ui) : program_(program), ui_(ui) {
  const auto layout = queryLayout();
  const QueryControls& frm_1 = *program_.queryWindow();
  setWindowTitle(qText(QueryControls::kCaption));
  // A fixed single border: no maximise box (the window opens maximised).
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(windowFont(kNewMingFace, 9));
  QWidget* area = makeLayoutArea(this, pixelSize(kQueryLayoutWidth, kQueryLayoutHeight));

  // Header and command row.
  makeBanner(area, layout);
  makeLabel(area, layout, "Label1", frm_1.Label1, windowFont(kKaiFace, 18),
            Qt::AlignLeft | Qt::AlignTop);
  makeLine(area, layout, "Line1");
  const QFont captionFont = windowFont(kKaiFace, 11.25);
  makeLabel(area, layout, "Label2_0", frm_1.Label2_0, captionFont, Qt::AlignRight | Qt::AlignTop,
            kBlueText);
  makeLabel(area, layout, "Label2_1", frm_1.Label2_1, captionFont, Qt::AlignRight | Qt::AlignTop,
            kBlueText);

  const QString whiteOnOlive = QStringLiteral("#ffffff");
  comb_1_ = new QComboBox(area);
  placeControl(comb_1_, layout, "comb_1");
  comb_1_->setEditable(true);
  comb_1_->setInsertPolicy(QComboBox::NoInsert);
  comb_1_->setCompleter(nullptr);  // typed text stays as typed
  comb_1_->setFont(windowFont(kKaiFace, 14.25, true));
  comb_1_->setStyleSheet(QStringLiteral(
      "QComboBox, QComboBox QLineEdit { color: #ffffff; background-color: #808000; }"
      " QComboBox QAbstractItemView { color: #000000; background-color: #ffffff; }"));
  for (const std::u16string& item : frm_1.comb_1.items)
    comb_1_->addItem(QString::fromStdU16String(item));
  comb_1_->lineEdit()->installEventFilter(this);

  tx_i_01_ = new ClickableLineEdit(area);
  placeControl(tx_i_01_, layout, "tx_i_01");
  tx_i_01_->setFont(windowFont(kKaiFace, 14.25, true));
  tx_i_01_->setStyleSheet(
      boxStyle(QStringLiteral("QLineEdit"), whiteOnOlive, QStringLiteral("#808000"), true));

  const QFont buttonFont = windowFont(kKaiFace, 14.25);
  for (const ButtonBinding& b : kButtons)
    buttons_[b.name] = makeButton(area, layout, b.name, frm_1.*(b.control), buttonFont);
  for (const char* name : {"cmd_5", "cmd_6"}) {
    QPushButton* picture = buttons_[name];
    picture->setIcon(drawArrowPicture(std::string_view(name) == "cmd_5" ? ArrowDirection::Left
                                                                        : ArrowDirection::Right));
    picture->setIconSize(picture->size() - QSize(4, 4));
  }
  makeLine(area, layout, "Line_01");

  // Record area and footer.
  for (const QueryBox& b : kQueryBoxes)
    if (b.label)
      makeLabel(area, layout, b.labelName, frm_1.*(b.label), captionFont,
                Qt::AlignRight | Qt::AlignTop, kBlueText);
  makeOutputBoxes(area);
  makeLabel(area, layout, "Label9", frm_1.Label9, windowFont(kArialFace, 15.75), Qt::AlignCenter,
            QStringLiteral("QLabel { color: palette(window-text); background-color: #c0c0c0;"
                           " border: 1px solid #000000; }"))
      ->setEnabled(false);
  makeLabel(area, layout, "Label6", frm_1.Label6, windowFont(kNewMingFace, 10.5),
            Qt::AlignLeft | Qt::AlignTop);
  makeLine(area, layout, "Line_02");

  // Keyboard order; the display-only boxes never take the focus.
  QWidget* order[] = {tx_i_01_,          buttons_["cmd_1"], comb_1_,           buttons_["cmd_2"],
                      buttons_["cmd_3"], boxes_["tx_o_05"], boxes_["tx_o_04"], boxes_["tx_o_03"],
                      buttons_["cmd_4"], buttons_["cmd_5"], buttons_["cmd_6"], boxes_["tx_o_04_x"]};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  for (const char* name : {"tx_o_05_1", "tx_o_pnt", "tx_o_19"})
    boxes_[name]->setFocusPolicy(Qt::NoFocus);
  tx_i_01_->setFocus();

  // Events: each goes to its handler. Typing only updates the control's text.
  for (const ButtonBinding& b : kButtons) {
    auto handler = b.handler;
    connect(buttons_[b.name], &QPushButton::clicked, this, [this, handler] { run(handler); });
  }
  connect(comb_1_, &QComboBox::activated, this, [this](int index) {
    program_.queryWindow()->comb_1.text = comb_1_->itemText(index).toStdU16String();
    run(&QueryWindow::comb_1_Click);
  });
  connect(comb_1_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    program_.queryWindow()->comb_1.text = text.toStdU16String();
  });
  tx_i_01_->onMousePress = [this] { run(&QueryWindow::tx_i_01_Click); };
  connect(tx_i_01_, &QLineEdit::textEdited, this, [this](const QString& text) {
    program_.queryWindow()->tx_i_01.text = text.toStdU16String();
  });
  refresh();
}

void QueryView::makeOutputBoxes(QWidget* area) {
  const auto layout = queryLayout();
  const QFont boxFont = windowFont(kNewMingFace, 14.25);
  for (const QueryBox& b : kQueryBoxes) {
    auto* box = new QLineEdit(area);
    placeControl(box, layout, b.name);
    box->setReadOnly(true);
    box->setFont(boxFont);
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(kYellowOnGrey);
    boxes_[std::string(b.name)] = box;
  }
  boxes_["tx_o_03"]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  boxes_["tx_o_19"]->setStyleSheet(boxStyle(QStringLiteral("QLineEdit"), QStringLiteral("#ff0000"),
                                            QStringLiteral("#c0c0c0"), false));
  boxes_["tx_o_05_1"]->setStyleSheet(boxStyle(QStringLiteral("QLineEdit"),
                                              QStringLiteral("#ff0000"),
                                              QStringLiteral("palette(button)"), false));
  QLineEdit* pointer = boxes_["tx_o_pnt"];
  pointer->setFont(font());
  pointer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pointer->setStyleSheet(boxStyle(QStringLiteral("QLineEdit"), QStringLiteral("palette(text)"),
                                  QStringLiteral("palette(window)"), false));
}

void QueryView::refresh() {
  QueryWindow* frm_1 = program_.queryWindow();
  if (!frm_1) return;
  showEditText(comb_1_, frm_1->comb_1.text);
  comb_1_->setEnabled(frm_1->comb_1.enabled);
  showText(tx_i_01_, frm_1->tx_i_01.text);
  tx_i_01_->setEnabled(frm_1->tx_i_01.enabled);
  tx_i_01_->setMaxLength(frm_1->tx_i_01.maxLength > 0 ? frm_1->tx_i_01.maxLength : 32767);
  handOnFocus();
  for (const ButtonBinding& b : kButtons) {
    const Button& button = (*frm_1).*(b.control);
    buttons_[b.name]->setEnabled(button.enabled);
    buttons_[b.name]->setToolTip(QString::fromStdU16String(button.tooltip));
  }
  for (const QueryBox& b : kQueryBoxes) {
    const TextBox& box = (*frm_1).*(b.box);
    QLineEdit* widget = boxes_[std::string(b.name)];
    showText(widget, box.text);
    widget->setEnabled(box.enabled);
  }
}

void QueryView::handOnFocus() {
  const QueryControls& frm_1 = *program_.queryWindow();
  auto willBeEnabled = [&](const std::string& name) {
    for (const ButtonBinding& b : kButtons)
      if (name == b.name) return (frm_1.*(b.control)).enabled;
    return true;  // the key box
  };
  for (const FocusHeir& f : kFocusHeirs) {
    if (focusWidget() != buttons_[f.button] || willBeEnabled(f.button)) continue;
    const char* heir = willBeEnabled(f.heir) ? f.heir : "tx_i_01";
    QWidget* target =
        heir == std::string_view("tx_i_01") ? static_cast<QWidget*>(tx_i_01_) : buttons_[heir];
    target->setEnabled(true);
    target->setFocus(Qt::OtherFocusReason);
    return;
  }
}

void QueryView::run(void (QueryWindow::*handler)()) {
  QueryWindow* frm_1 = program_.queryWindow();
  if (!frm_1) return;
  (frm_1->*handler)();
  ui_.refreshAll();
}

// The close box hands the data set back as 結束 does.
void QueryView::closeEvent(QCloseEvent* event) {
  if (ui_.ending() || !program_.queryWindow()) {
    event->accept();
    return;
  }
  event->ignore();
  run(&QueryWindow::cmd_3_Click);
}

// Enter in the kind's text field is no pick from the list.
bool QueryView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == comb_1_->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kv884

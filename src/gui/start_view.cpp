#include "gui/start_view.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "gui/qt_ui.hpp"
#include "gui/view_widgets.hpp"
#include "startwin/program.hpp"

namespace kv884 {

StartView::StartView(Program& program, QtUi& ui) : program_(program), ui_(ui) {
  const auto layout = startLayout();
  const StartWindow& frm_0 = program_.frm_0;
  setWindowTitle(qText(StartWindow::kCaption));
  // A fixed single border: no resizing, no maximise box.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  const QSize client = pixelSize(kStartClientWidth, kStartClientHeight);
  const QScreen* screen = QGuiApplication::primaryScreen();
  setFixedSize(screen ? client.boundedTo(screen->availableSize()) : client);
  setFont(windowFont(kKaiFace, 9));
  QWidget* area = makeLayoutArea(this, client);

  makeBanner(area, layout);
  makeLabel(area, layout, "Label1", frm_0.Label1, windowFont(kKaiFace, 18),
            Qt::AlignHCenter | Qt::AlignTop);
  const QFont buttonFont = windowFont(kKaiFace, 14.25);
  cmd_1_ = makeButton(area, layout, "cmd_1", frm_0.cmd_1, buttonFont);
  cmd_5_ = makeButton(area, layout, "cmd_5", frm_0.cmd_5, buttonFont);
  lab_01_ = makeButton(area, layout, "lab_01", frm_0.lab_01, buttonFont);
  tx_i_01_ = new QLineEdit(area);
  placeControl(tx_i_01_, layout, "tx_i_01");
  tx_i_01_->setFont(windowFont(kArialFace, 18, true));
  tx_i_01_->setStyleSheet(boxStyle(QStringLiteral("QLineEdit"), QStringLiteral("#ff0000"),
                                   QStringLiteral("#ffffc0"), true));
  cmd_6_ = makeButton(area, layout, "cmd_6", frm_0.cmd_6, buttonFont);
  makeLabel(area, layout, "lab_02", frm_0.lab_02, windowFont(kNewMingFace, 9),
            Qt::AlignLeft | Qt::AlignTop, QStringLiteral("QLabel { color: #404040; }"));

  setTabOrder(tx_i_01_, cmd_6_);
  setTabOrder(cmd_6_, cmd_1_);
  setTabOrder(cmd_1_, cmd_5_);
  setTabOrder(cmd_5_, lab_01_);
  tx_i_01_->setFocus();

  connect(cmd_1_, &QPushButton::clicked, this, [this] { run(&StartWindow::cmd_1_Click); });
  connect(cmd_5_, &QPushButton::clicked, this, [this] { run(&StartWindow::cmd_5_Click); });
  connect(lab_01_, &QPushButton::clicked, this, [this] { run(&StartWindow::lab_01_Click); });
  connect(cmd_6_, &QPushButton::clicked, this, [this] { run(&StartWindow::cmd_6_Click); });
  connect(tx_i_01_, &QLineEdit::textEdited, this,
          [this](const QString& text) { program_.frm_0.tx_i_01.text = text.toStdU16String(); });

  if (screen) {
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  refresh();
}

void StartView::refresh() {
  const StartWindow& frm_0 = program_.frm_0;
  showText(tx_i_01_, frm_0.tx_i_01.text);
  tx_i_01_->setToolTip(tx_i_01_->text());  // the whole folder, however long
  tx_i_01_->setEnabled(frm_0.tx_i_01.enabled);
  cmd_1_->setEnabled(frm_0.cmd_1.enabled);
  cmd_5_->setEnabled(frm_0.cmd_5.enabled);
  lab_01_->setEnabled(frm_0.lab_01.enabled);
  cmd_6_->setEnabled(frm_0.cmd_6.enabled);
}

void StartView::run(void (StartWindow::*handler)()) {
  (program_.frm_0.*handler)();
  ui_.refreshAll();
}

// The close box ends the program as 結束作業 does.
void StartView::closeEvent(QCloseEvent* event) {
  if (!ui_.ending()) run(&StartWindow::cmd_6_Click);
  if (ui_.ending())
    event->accept();
  else
    event->ignore();
}

}  // namespace kv884

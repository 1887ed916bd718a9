#include "gui/start_view.hpp"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "gui/view_widgets.hpp"
#include "startwin/program.hpp"

namespace kv884 {

StartView::StartView(Program& program, QtUi& ui)
    : WindowView(
          ui, [&program] { return &program.frm_0; }, StartWindow::kCaption, startLayout(),
          windowFont(kKaiFace, 9), &StartWindow::cmd_6_Click) {
  const StartWindow& frm_0 = program.frm_0;
  const PixelSize layoutSize = startLayout().pixelSize();
  const QSize client(layoutSize.width, layoutSize.height);
  const QScreen* screen = QGuiApplication::primaryScreen();
  setFixedSize(screen ? client.boundedTo(screen->availableSize()) : client);

  banner();
  label("Label1", frm_0.Label1, windowFont(kKaiFace, 18), Qt::AlignHCenter | Qt::AlignTop);
  const QFont buttonFont = windowFont(kKaiFace, 14.25);
  button("cmd_1", &StartWindow::cmd_1, buttonFont, &StartWindow::cmd_1_Click);
  button("cmd_5", &StartWindow::cmd_5, buttonFont, &StartWindow::cmd_5_Click);
  button("lab_01", &StartWindow::lab_01, buttonFont, &StartWindow::lab_01_Click);
  QLineEdit* folder = textBox("tx_i_01", &StartWindow::tx_i_01, windowFont(kArialFace, 18, true),
                              boxStyle("#ff0000", "#ffffc0", true));
  onRefresh([folder](const StartWindow&) { folder->setToolTip(folder->text()); });  // all of it
  button("cmd_6", &StartWindow::cmd_6, buttonFont, &StartWindow::cmd_6_Click);
  label("lab_02", frm_0.lab_02, windowFont(kNewMingFace, 9), Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("QLabel { color: #404040; }"));

  setKeyboardOrder({"tx_i_01", "cmd_6", "cmd_1", "cmd_5", "lab_01"});
  folder->setFocus();
  if (screen) {
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  refresh();
}

}  // namespace kv884

#include "gui/qt_ui.hpp"

#include <QApplication>
#include <QCoreApplication>

#include "gui/dialog_boxes.hpp"
#include "gui/query_view.hpp"
#include "gui/report_view.hpp"
#include "gui/start_view.hpp"
#include "gui/view_widgets.hpp"

namespace kv884 {

void QtDialogs::message(QWidget* owner, const QString& text, const QString& caption,
                        bool informationIcon) {
  makeMessageBox(owner, text, caption, informationIcon)->exec();
}

QString QtDialogs::chooseFolder(QWidget* owner, const QString& title) {
  const std::unique_ptr<QFileDialog> dialog = makeFolderDialog(owner, title);
  return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
}

QtUi::QtUi() : dialogs_(std::make_unique<QtDialogs>()) {}

QtUi::~QtUi() {
  for (View* view : views_) delete view;
  for (const QPointer<QWidget>& view : retired_) delete view.data();
}

void QtUi::attach(Program& program) {
  program_ = &program;
  shown(WindowId::Start) = new StartView(program, *this);
}

QWidget* QtUi::view(WindowId window) const {
  return views_[static_cast<size_t>(window)];
}

void QtUi::refreshAll() {
  for (View* view : views_)
    if (view) view->refresh();
}

void QtUi::messageBox(const std::u16string& text, const std::u16string& caption, MessageIcon icon) {
  QWidget* owner = QApplication::activeWindow();
  if (!owner) owner = view(WindowId::Start);
  // A CR LF of the message is one line break.
  QString shownText = QString::fromStdU16String(text);
  shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  dialogs_->message(owner, shownText, QString::fromStdU16String(caption),
                    icon == MessageIcon::Information);
}

std::u16string QtUi::browseForFolder(const std::u16string& prompt) {
  return dialogs_->chooseFolder(view(WindowId::Start), QString::fromStdU16String(prompt))
      .toStdU16String();
}

void QtUi::setWaitPointer(WindowId window, std::string_view control, bool wait) {
  QWidget* shownView = view(window);
  if (QWidget* widget =
          shownView ? shownView->findChild<QWidget*>(QString::fromLatin1(control)) : nullptr) {
    if (wait)
      widget->setCursor(Qt::WaitCursor);
    else
      widget->unsetCursor();
  }
}

void QtUi::repaintNow(WindowId window) {
  refreshAll();
  if (QWidget* shownView = view(window)) shownView->repaint();
}

void QtUi::showWindow(WindowId window) {
  View*& view = shown(window);
  if (!view)
    view = window == WindowId::Query ? static_cast<View*>(new QueryView(*program_, *this))
                                     : new ReportView(*program_, *this);
  view->refresh();
  if (window == WindowId::Start) {
    view->show();
    return;
  }
  showMaximisedFixed(view);
  view->raise();
  view->activateWindow();
}

// The unloaded window's handler may still be running: its view goes once the event is over.
void QtUi::unloadWindow(WindowId window) {
  View*& view = shown(window);
  if (window == WindowId::Start || !view) return;
  view->hide();
  view->deleteLater();
  retired_.emplace_back(view);
  view = nullptr;
}

void QtUi::endProgram() {
  ending_ = true;
  for (View* view : views_)
    if (view) view->hide();
  QCoreApplication::quit();
}

}  // namespace kv884

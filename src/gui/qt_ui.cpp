#include "gui/qt_ui.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "gui/query_view.hpp"
#include "gui/report_view.hpp"
#include "gui/start_view.hpp"
#include "gui/view_widgets.hpp"

namespace kv884 {

void QtDialogs::message(QWidget* owner, const QString& text, const QString& caption,
                        bool informationIcon) {
  QMessageBox box(informationIcon ? QMessageBox::Information : QMessageBox::NoIcon, caption, text,
                  QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

QString QtDialogs::chooseFolder(QWidget* owner, const QString& title) {
  // Qt's own dialog, whose texts are Chinese whatever the desktop's language.
  return QFileDialog::getExistingDirectory(
      owner, title, QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

QtUi::QtUi() : dialogs_(std::make_unique<QtDialogs>()) {}

QtUi::~QtUi() {
  delete query_;
  delete report_;
  for (const QPointer<QWidget>& view : retired_) delete view.data();
}

void QtUi::attach(Program& program) {
  program_ = &program;
  start_ = std::make_unique<StartView>(program, *this);
}

void QtUi::setDialogs(std::unique_ptr<Dialogs> dialogs) {
  dialogs_ = std::move(dialogs);
}

void QtUi::refreshAll() {
  if (start_) start_->refresh();
  if (query_) query_->refresh();
  if (report_) report_->refresh();
}

QWidget* QtUi::view(WindowId window) const {
  switch (window) {
    case WindowId::Start:
      return start_.get();
    case WindowId::Query:
      return query_;
    case WindowId::Report:
      return report_;
  }
  return nullptr;
}

void QtUi::messageBox(const std::u16string& text, const std::u16string& caption, MessageIcon icon) {
  QWidget* owner = QApplication::activeWindow();
  if (!owner) owner = start_.get();
  // A CR LF of the message is one line break.
  QString shown = QString::fromStdU16String(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  dialogs_->message(owner, shown, QString::fromStdU16String(caption),
                    icon == MessageIcon::Information);
}

std::u16string QtUi::browseForFolder(const std::u16string& prompt) {
  return dialogs_->chooseFolder(start_.get(), QString::fromStdU16String(prompt)).toStdU16String();
}

void QtUi::setWaitPointer(WindowId window, std::string_view control, bool wait) {
  QWidget* shown = view(window);
  if (!shown) return;
  QWidget* widget = shown->findChild<QWidget*>(
      QString::fromLatin1(control.data(), static_cast<qsizetype>(control.size())));
  if (!widget) return;
  if (wait)
    widget->setCursor(Qt::WaitCursor);
  else
    widget->unsetCursor();
}

void QtUi::repaintNow(WindowId window) {
  refreshAll();
  if (QWidget* shown = view(window)) shown->repaint();
}

void QtUi::showWindow(WindowId window) {
  switch (window) {
    case WindowId::Start:
      start_->refresh();
      start_->show();
      return;
    case WindowId::Query:
      if (!query_) query_ = new QueryView(*program_, *this);
      query_->refresh();
      showMaximisedFixed(query_);
      query_->raise();
      query_->activateWindow();
      return;
    case WindowId::Report:
      if (!report_) report_ = new ReportView(*program_, *this);
      report_->refresh();
      showMaximisedFixed(report_);
      report_->raise();
      report_->activateWindow();
      return;
  }
}

void QtUi::unloadWindow(WindowId window) {
  if (window == WindowId::Query && query_) {
    retire(query_);
    query_ = nullptr;
  } else if (window == WindowId::Report && report_) {
    retire(report_);
    report_ = nullptr;
  }
}

// The unloaded window's handler may still be running: its view goes once the event is over.
void QtUi::retire(QWidget* view) {
  view->hide();
  view->deleteLater();
  retired_.emplace_back(view);
}

void QtUi::endProgram() {
  ending_ = true;
  for (QWidget* shown : {static_cast<QWidget*>(start_.get()), static_cast<QWidget*>(query_),
                         static_cast<QWidget*>(report_)})
    if (shown) shown->hide();
  QCoreApplication::quit();
}

}  // namespace kv884

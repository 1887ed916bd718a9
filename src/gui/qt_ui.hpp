#pragma once
// The window system for the window logic: message boxes, the folder dialog, the wait pointer,
// repainting, and the three views, created when their window is shown and gone when it is
// unloaded.

#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "platform/ui.hpp"
#include "startwin/program.hpp"

class QWidget;

namespace kv884 {

class View;

// The modal dialogs, replaceable so that tests never wait on a dialog.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message box with an OK button only; informationIcon, else no icon.
  virtual void message(QWidget* owner, const QString& text, const QString& caption,
                       bool informationIcon) = 0;
  // The chosen folder, or empty text when the dialog was cancelled.
  virtual QString chooseFolder(QWidget* owner, const QString& title) = 0;
};

// QMessageBox and QFileDialog.
class QtDialogs : public Dialogs {
 public:
  void message(QWidget* owner, const QString& text, const QString& caption,
               bool informationIcon) override;
  QString chooseFolder(QWidget* owner, const QString& title) override;
};

class QtUi : public Ui {
 public:
  QtUi();
  ~QtUi() override;
  QtUi(const QtUi&) = delete;
  QtUi& operator=(const QtUi&) = delete;

  // Creates the start view of the program; call once, right after the program is made.
  void attach(Program& program);
  void setDialogs(std::unique_ptr<Dialogs> dialogs) { dialogs_ = std::move(dialogs); }

  // The view of a window; null while the window is not shown.
  QWidget* view(WindowId window) const;

  // Copies the control data of every loaded window into its widgets; the views call it after
  // every handler, since a handler of one window may change another (結束 enables the open button).
  void refreshAll();
  bool ending() const { return ending_; }

  void messageBox(const std::u16string& text, const std::u16string& caption,
                  MessageIcon icon) override;
  std::u16string browseForFolder(const std::u16string& prompt) override;
  void setWaitPointer(WindowId window, std::string_view control, bool wait) override;
  void repaintNow(WindowId window) override;
  void showWindow(WindowId window) override;
  void unloadWindow(WindowId window) override;
  void endProgram() override;

 private:
  View*& shown(WindowId window) { return views_[static_cast<size_t>(window)]; }

  Program* program_{nullptr};
  std::unique_ptr<Dialogs> dialogs_;
  std::array<View*, 3> views_{};  // by WindowId; the start view lives as long as this
  // Views of unloaded windows, deleted once their last event has been handled.
  std::vector<QPointer<QWidget>> retired_;
  bool ending_{false};
};

// The desktop program: the window logic with the Qt window system under it.
struct Desktop {
  Desktop() { ui.attach(program); }
  QtUi ui;
  Program program{ui};
};

}  // namespace kv884

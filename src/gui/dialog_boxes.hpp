#pragma once
// The modal boxes the windows open, built ready to run: the message box and the folder dialog.

#include <QFileDialog>
#include <QMessageBox>
#include <memory>

namespace kv884 {

// A message box with an OK button only, with the information icon or none; all of its text in
// one face, 新細明體, which has Latin letters and digits of its own.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const QString& text,
                                            const QString& caption, bool informationIcon);

// Qt's own folder dialog, whatever the desktop's, titled title: Traditional Chinese throughout,
// the type and date columns too, in the message boxes' face, and read-only (nothing in it renames,
// deletes or creates a folder).
std::unique_ptr<QFileDialog> makeFolderDialog(QWidget* owner, const QString& title);

}  // namespace kv884

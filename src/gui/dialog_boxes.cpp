#include "gui/dialog_boxes.hpp"

#include <QAction>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QTreeView>

#include "gui/view_widgets.hpp"

namespace kv884 {
namespace {

// At 9 points the face draws "_" below its line, where a label cuts it off: MSG_1_04 would
// read MSG 1 04.
QFont dialogFont() {
  return windowFont(kNewMingFace, 10.5);
}

// The columns of the folder list that the program writes.
constexpr int kType = 2;
constexpr int kDate = 3;

// The type and date columns of the folder list, which Qt's file model writes in the system's
// language whatever the program's.
class ChineseFileColumns : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || (index.column() != kType && index.column() != kDate))
      return QIdentityProxyModel::data(index, role);
    const QFileInfo file = files->fileInfo(mapToSource(index));
    // Spelled out: Qt reads no day period in the locale's own short format ("Bh:mm").
    if (index.column() == kDate)
      return QLocale().toString(file.lastModified(), QStringLiteral("yyyy/M/d AP hh:mm"));
    if (file.isRoot()) return QStringLiteral("磁碟機");
    return file.isDir() ? QStringLiteral("資料夾") : QStringLiteral("檔案");
  }
};

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const QString& text,
                                            const QString& caption, bool informationIcon) {
  auto box = std::make_unique<QMessageBox>(
      informationIcon ? QMessageBox::Information : QMessageBox::NoIcon, caption, text,
      QMessageBox::Ok, owner);
  box->setTextFormat(Qt::PlainText);
  box->setFont(dialogFont());
  return box;
}

std::unique_ptr<QFileDialog> makeFolderDialog(QWidget* owner, const QString& title) {
  auto dialog = std::make_unique<QFileDialog>(owner, title);
  dialog->setFileMode(QFileDialog::Directory);
  dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog |
                     QFileDialog::ReadOnly);
  dialog->setProxyModel(new ChineseFileColumns(dialog.get()));
  // A read-only model refuses every change; its context menu would still offer them, greyed.
  for (const char* offer : {"qt_rename_action", "qt_delete_action", "qt_new_folder_action"})
    if (auto* action = dialog->findChild<QAction*>(QLatin1String(offer))) action->setVisible(false);
  if (auto* newFolder = dialog->findChild<QWidget*>(QStringLiteral("newFolderButton")))
    newFolder->hide();
  dialog->setFont(dialogFont());
  // The dates with their 上午 or 下午 in full, not cut to "2026/1… 10:43", beside the names.
  if (auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView")))
    list->header()->setSectionResizeMode(kDate, QHeaderView::ResizeToContents);
  dialog->resize(dialog->sizeHint().expandedTo(QSize(720, 440)));
  return dialog;
}

}  // namespace kv884

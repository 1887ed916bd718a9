// The windows driven through their widgets: every replay script of the fixture sets, the ways of
// closing a window and of ending the program, the dialogs with their captions, icons and lines,
// and Qt's own dialogs in Chinese.

#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "dataset/data_paths.hpp"
#include "desktop_harness.hpp"
#include "gui/dialog_boxes.hpp"

namespace kv884::test {
namespace {

QStringList linesOf(const std::filesystem::path& file) {
  return QString::fromUtf8(readFile(file)).split('\n', Qt::SkipEmptyParts);
}

class FixtureReplay : public DesktopTest {
 protected:
  // One action of a replay script, by mouse and keyboard.
  void perform(const QString& action) {
    const QString verb = action.section(' ', 0, 0);
    const QString rest = action.mid(verb.size() + 1);
    const std::map<QString, std::function<void()>> verbs{
        {"search", [&] { click(query(), "cmd_1"); }},
        {"next", [&] { click(query(), "cmd_2"); }},
        {"prev", [&] { click(query(), "cmd_5"); }},
        {"fwd", [&] { click(query(), "cmd_6"); }},
        {"pick", [&] { pick(rest); }},
        {"key", [&] { typeInto(control(query(), "tx_i_01"), rest); }},
        {"kind", [&] { typeInto(control<QComboBox>(query(), "comb_1")->lineEdit(), rest); }},
        {"clickkey", [&] { QTest::mouseClick(control(query(), "tx_i_01"), Qt::LeftButton); }},
    };
    ASSERT_TRUE(verbs.contains(verb)) << action.toStdString();
    verbs.at(verb)();
  }

  // The kind, the key, every box, 次筆, the paging buttons and the messages of an expected line.
  void expectState(const QJsonObject& expected) {
    EXPECT_EQ(control<QComboBox>(query(), "comb_1")->currentText(), expected["comb_1"].toString());
    EXPECT_EQ(text(query(), "tx_i_01"), expected["tx_i_01"].toString());
    const QJsonObject boxes = expected["boxes"].toObject();
    for (const QString& box : boxes.keys())
      EXPECT_EQ(text(query(), box.toLatin1()), boxes[box].toString()) << box.toStdString();
    const QJsonObject buttons = expected["enabled"].toObject();
    for (const QString& button : buttons.keys())
      EXPECT_EQ(enabled(query(), button.toLatin1()), buttons[button].toBool())
          << button.toStdString();
    QStringList messages;
    for (const QJsonValue& m : expected["messages"].toArray()) messages << "KV884||" + m.toString();
    EXPECT_EQ(std::exchange(dialogs->messages, {}), messages);
  }
};

// Each script in a fresh query window, action by action: the window as the script expects.
TEST_F(FixtureReplay, EveryScriptThroughTheWidgetsGivesTheExpectedWindowAfterEachAction) {
  for (const char* set : {"basic", "wide"})
    for (const auto& entry : std::filesystem::directory_iterator(fixturePath(set))) {
      std::filesystem::path script = entry.path();
      if (script.extension() != ".replay") continue;
      ASSERT_NO_FATAL_FAILURE(openFixture(set));
      const QStringList actions = linesOf(script);
      const QStringList expected = linesOf(script.replace_extension(".expected.jsonl"));
      int line = 0;
      for (const QString& action : QStringList{QString()} + actions) {
        if (action.startsWith('#')) continue;
        SCOPED_TRACE(script.filename().string() + ": " + action.toStdString());
        if (!action.isEmpty()) perform(action);
        expectState(QJsonDocument::fromJson(expected.value(line++).toUtf8()).object());
      }
      EXPECT_EQ(line, expected.size()) << script;
      click(query(), "cmd_3");
    }
}

// Each window's 結束 and close box unload it alone, through its handler rather than by Qt; the
// query window's hand the data set back and enable the open button again. The start window's
// close box ends the program.
TEST_F(OpenWindows, EndButtonsAndCloseBoxesUnloadTheirWindowAlone) {
  const std::tuple<WindowId, const char*, const char*> closings[] = {
      {WindowId::Report, "cmd_5", "cmd_2"},
      {WindowId::Report, "cmd_5", nullptr},
      {WindowId::Query, "cmd_1", "cmd_3"},
      {WindowId::Query, "cmd_1", nullptr},
  };
  for (auto [window, opener, endButton] : closings) {
    if (!desktop.ui.view(window)) click(start(), opener);
    QWidget* shown = desktop.ui.view(window);
    ASSERT_NE(shown, nullptr) << opener;
    if (endButton)
      click(shown, endButton);
    else
      EXPECT_FALSE(shown->close());
    EXPECT_EQ(desktop.ui.view(window), nullptr);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(desktop.program.files.isOpen(kHolderDataFile), window == WindowId::Report);
    EXPECT_EQ(enabled(start(), "cmd_1"), window == WindowId::Query);
  }
  EXPECT_TRUE(start()->close());
  EXPECT_TRUE(desktop.ui.ending());
}

// 結束作業 ends the program, the event loop included, with the other windows open.
TEST_F(OpenWindows, ExitButtonEndsTheProgram) {
  QTimer::singleShot(0, start(), [this] { click(start(), "cmd_6"); });
  QTimer::singleShot(30000, qApp, [] { QCoreApplication::exit(3); });  // should it not end
  EXPECT_EQ(QApplication::exec(), 0);
  for (QWidget* view : {start(), query(), report()}) EXPECT_FALSE(view->isVisible());
  EXPECT_FALSE(desktop.program.files.isOpen(kHolderDataFile));
}

// The folder dialog's title and answer, whole in the box's tool tip and from its beginning in the
// box; each message box with its caption, icon and lines.
TEST_F(DesktopTest, StartWindowDialogsShowTheirTitleCaptionIconAndLines) {
  const QString folder = QString::fromStdString(temp.path().string()) +
                         "/a-folder-name-long-enough-to-pass-the-end-of-the-box";
  dialogs->folderAnswer = folder;
  click(start(), "lab_01");
  auto* box = control<QLineEdit>(start(), "tx_i_01");
  EXPECT_EQ(box->text(), folder);
  EXPECT_EQ(box->toolTip(), folder);
  EXPECT_EQ(box->cursorPosition(), 0);
  click(start(), "cmd_1");
  ASSERT_EQ(dialogs->messages.size(), 3);
  EXPECT_EQ(dialogs->messages[0], u"folder dialog|選擇檔案所在資料夾"_s);
  EXPECT_EQ(dialogs->messages[1], u"警告訊息|i|"_s + folder + u"資料夾內需存在ntridx次目錄"_s);
  EXPECT_TRUE(dialogs->messages[2].startsWith(u"KV884||MSG_0_17 "_s));
  EXPECT_FALSE(dialogs->messages[2].contains('\r')) << "CR LF shown as line breaks";
}

// Qt's message box and folder dialog: Chinese buttons without icons.
TEST_F(DesktopTest, DialogsOfQtSpeakChineseAndTheirButtonsHaveNoIcons) {
  QtDialogs qt;
  for (const bool folder : {false, true}) {
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
      QWidget* dialog = QApplication::activeModalWidget();
      for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->isVisible())
          buttons << button->text().remove(QRegularExpression(u"\\(&.\\)|&"_s)) +
                         (button->icon().isNull() ? u""_s : u"+icon"_s);
      static_cast<QDialog*>(dialog)->reject();
    });
    if (folder)
      qt.chooseFolder(start(), u"選擇檔案所在資料夾"_s);
    else
      qt.message(start(), u"x"_s, u"KV884"_s, false);
    buttons.sort();
    EXPECT_EQ(buttons.join(' '), folder ? u"取消 選擇"_s : u"確定"_s);
  }
}

// The folder dialog lists a folder with its type and date in Chinese, renames nothing and offers
// no change.
TEST_F(DesktopTest, FolderDialogIsChineseToTheDatesAndReadOnly) {
  std::filesystem::create_directory(temp.path() / "disc");
  const std::unique_ptr<QFileDialog> dialog = makeFolderDialog(nullptr, u"選擇檔案所在資料夾"_s);
  dialog->setDirectory(QString::fromStdString(temp.path().string()));
  dialog->setViewMode(QFileDialog::Detail);
  dialog->show();
  auto* list = dialog->findChild<QTreeView*>(u"treeView"_s);
  QAbstractItemModel* files = list->model();
  QModelIndex disc;
  for (int wait = 0; wait < 100 && !disc.isValid(); ++wait) {
    QTest::qWait(20);
    const QModelIndexList found =
        files->match(files->index(0, 0, list->rootIndex()), Qt::DisplayRole, u"disc"_s);
    if (!found.isEmpty()) disc = found.first();
  }
  ASSERT_TRUE(disc.isValid());
  EXPECT_EQ(disc.siblingAtColumn(2).data().toString(), u"資料夾"_s);
  const QString date = disc.siblingAtColumn(3).data().toString();
  EXPECT_TRUE(date.contains(u"午"_s) && !date.contains(QRegularExpression(u"[A-Za-z]"_s)))
      << date.toStdString();
  EXPECT_FALSE(files->setData(disc, u"renamed"_s));
  EXPECT_FALSE(dialog->findChild<QWidget*>(u"newFolderButton"_s)->isVisible());
  for (const QAction* action : dialog->findChildren<QAction*>())
    EXPECT_FALSE(action->isVisible() &&
                 action->text().contains(QRegularExpression(u"命名|刪除|新增"_s)))
        << action->text().toStdString();
  EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "disc"));
}

}  // namespace
}  // namespace kv884::test

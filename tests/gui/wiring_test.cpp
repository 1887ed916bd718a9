// The windows driven through their widgets: every replay script of the fixture sets, the ways of
// closing a window and of ending the program, the dialogs with their captions, icons and lines,
// Qt's own dialogs in Chinese, and boxes that show the beginning of what the program puts in them.

#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <functional>

#include "dataset/data_paths.hpp"
#include "desktop_harness.hpp"
#include "querywin/query_boxes.hpp"

namespace kv884::test {
namespace {

QStringList linesOf(const std::filesystem::path& file) {
  return QString::fromUtf8(readFile(file)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A replay script ("set/script") action by action through mouse and keyboard: after each, every
// box, the key controls, 次筆, the paging buttons and the messages as the script expects.
class FixtureReplay : public DesktopTest, public ::testing::WithParamInterface<std::string> {
 protected:
  void perform(const QString& action) {
    const QString verb = action.section(QLatin1Char(' '), 0, 0);
    const QString rest = action.mid(verb.size() + 1);
    const std::map<QString, const char*> buttons{
        {"search", "cmd_1"}, {"next", "cmd_2"}, {"prev", "cmd_5"}, {"fwd", "cmd_6"}};
    if (buttons.contains(verb))
      click(query(), buttons.at(verb));
    else if (verb == QLatin1String("pick"))
      pick(rest);
    else if (verb == QLatin1String("key"))
      typeInto(control(query(), "tx_i_01"), rest);
    else if (verb == QLatin1String("kind"))
      typeInto(control<QComboBox>(query(), "comb_1")->lineEdit(), rest);
    else if (verb == QLatin1String("clickkey"))
      QTest::mouseClick(control(query(), "tx_i_01"), Qt::LeftButton);
    else
      FAIL() << "unknown action " << action.toStdString();
  }

  void expectState(const QJsonObject& expected) {
    EXPECT_EQ(control<QComboBox>(query(), "comb_1")->currentText(), expected["comb_1"].toString());
    EXPECT_EQ(text(query(), "tx_i_01"), expected["tx_i_01"].toString());
    for (const QueryBox& box : kQueryBoxes) {
      if (box.field.empty()) continue;
      EXPECT_EQ(text(query(), box.name.data()),
                expected["boxes"][QLatin1String(box.name.data())].toString())
          << box.name;
    }
    for (const char* button : {"cmd_2", "cmd_5", "cmd_6"})
      EXPECT_EQ(enabled(query(), button), expected["enabled"][QLatin1String(button)].toBool())
          << button;
    QStringList messages;
    for (const QJsonValue& m : expected["messages"].toArray())
      messages << "KV884||" + m.toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(dialogs->messages, messages);
    dialogs->messages.clear();
  }
};

TEST_P(FixtureReplay, ThroughTheWidgetsGivesTheExpectedWindowAfterEachAction) {
  const std::string set = GetParam().substr(0, GetParam().find('/'));
  const std::filesystem::path script = fixturePath(GetParam());
  openFixture(set);
  const QStringList expected = linesOf(script.string() + ".expected.jsonl");
  int line = 0;
  for (const QString& action : QStringList{QString()} + linesOf(script.string() + ".replay")) {
    if (action.startsWith(QLatin1Char('#'))) continue;
    if (!action.isEmpty()) perform(action);
    SCOPED_TRACE(GetParam() + ": " + action.toStdString());
    expectState(QJsonDocument::fromJson(expected.value(line++).toUtf8()).object());
  }
  EXPECT_EQ(line, expected.size());
}

std::vector<std::string> replayScripts() {
  std::vector<std::string> scripts;
  for (const char* set : {"basic", "wide"})
    for (const auto& entry : std::filesystem::directory_iterator(fixturePath(set)))
      if (entry.path().extension() == ".replay")
        scripts.push_back(std::string(set) + "/" + entry.path().stem().string());
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

INSTANTIATE_TEST_SUITE_P(EveryScript, FixtureReplay, ::testing::ValuesIn(replayScripts()),
                         [](const auto& info) {
                           std::string name = info.param;
                           name[name.find('/')] = '_';
                           return name;
                         });

using WindowTest = DesktopTest;

TEST_F(WindowTest, EndButtonAndCloseBoxOfTheQueryWindowBothHandTheDataSetBack) {
  const std::filesystem::path folder = copyFixture("basic", temp.path());
  for (const bool byCloseBox : {false, true}) {
    openFolder(folder);
    ASSERT_NE(query(), nullptr);
    EXPECT_FALSE(enabled(start(), "cmd_1"));
    typeInto(control(query(), "tx_i_01"), QStringLiteral("B12"));
    QWidget* shown = query();
    if (byCloseBox)
      EXPECT_FALSE(shown->close()) << "the window is unloaded by the handler, not by Qt";
    else
      click(shown, "cmd_3");
    EXPECT_EQ(query(), nullptr);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_FALSE(desktop.program.files.isOpen(kHolderDataFile));
    EXPECT_TRUE(enabled(start(), "cmd_1"));
  }
  click(start(), "cmd_1");
  EXPECT_EQ(text(query(), "tx_i_01"), QString()) << "a fresh window";
}

// The report with each CR LF a line break; its close box closes it alone.
TEST_F(WindowTest, CountReportWindowShowsTheReportAndItsCloseBoxClosesItAlone) {
  openFixture();
  click(start(), "cmd_5");
  QString report = QString::fromUtf8(readFile(fixturePath("basic") / "report.expected.txt"));
  EXPECT_EQ(control<QPlainTextEdit>(this->report(), "tx_o_01")->toPlainText(),
            report.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  for (const char* inert : {"Command1", "Command2", "comb_1"})
    EXPECT_FALSE(enabled(this->report(), inert)) << inert;
  QWidget* shown = this->report();
  EXPECT_FALSE(shown->close());
  EXPECT_EQ(this->report(), nullptr);
  EXPECT_FALSE(shown->isVisible());
  EXPECT_NE(query(), nullptr);
}

// 結束作業 ends the program, the event loop included, with the query window open.
TEST_F(WindowTest, ExitButtonEndsTheProgram) {
  openFixture();
  QTimer::singleShot(0, start(), [this] { click(start(), "cmd_6"); });
  QTimer::singleShot(30000, qApp, [] { QCoreApplication::exit(3); });  // should it not end
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(start()->isVisible());
  EXPECT_FALSE(query()->isVisible());
  EXPECT_FALSE(desktop.program.files.isOpen(kHolderDataFile));
}

TEST_F(WindowTest, CloseBoxOfTheStartWindowEndsTheProgram) {
  EXPECT_TRUE(start()->close());
  EXPECT_TRUE(desktop.program.ended());
}

// The folder dialog's title and answer, and each message box with its caption, icon and lines.
TEST_F(WindowTest, StartWindowDialogsShowTheirTitleCaptionIconAndLines) {
  const QString folder = QString::fromStdString(temp.path().string());
  typeInto(control(start(), "tx_i_01"), QStringLiteral("/data/old"));
  click(start(), "lab_01");
  EXPECT_EQ(text(start(), "tx_i_01"), QStringLiteral("/data/old")) << "cancelled";
  dialogs->folderAnswer = folder + "/a-folder-name-long-enough-to-pass-the-end-of-the-box";
  click(start(), "lab_01");
  EXPECT_EQ(text(start(), "tx_i_01"), dialogs->folderAnswer);
  EXPECT_EQ(control(start(), "tx_i_01")->toolTip(), dialogs->folderAnswer) << "the whole folder";
  EXPECT_EQ(control<QLineEdit>(start(), "tx_i_01")->cursorPosition(), 0) << "its beginning shown";
  openFolder(temp.path() / "missing");
  ASSERT_EQ(dialogs->messages.size(), 5);
  EXPECT_EQ(dialogs->messages.mid(0, 4),
            (QStringList{"folder dialog|" + QString::fromUtf16(u"選擇檔案所在資料夾"),
                         "KV884||" + QString::fromUtf16(u"未選擇資料夾或取消選擇資料夾！"),
                         "folder dialog|" + QString::fromUtf16(u"選擇檔案所在資料夾"),
                         QString::fromUtf16(u"警告訊息|i|") + dialogs->folderAnswer +
                             QString::fromUtf16(u"資料夾內需存在ntridx次目錄")}));
  EXPECT_TRUE(dialogs->messages[4].startsWith(QStringLiteral("KV884||MSG_0_17 ")));
  EXPECT_EQ(dialogs->messages[4].count(QLatin1Char('\n')), 2);
  EXPECT_FALSE(dialogs->messages[4].contains(QLatin1Char('\r'))) << "CR LF shown as line breaks";
}

// A long security name put into a box by the program shows its beginning.
TEST_F(WindowTest, BoxFilledByTheProgramShowsTheBeginningOfItsText) {
  const std::filesystem::path folder = copyFixture("basic", temp.path());
  writeFile(
      folder / "ntridx" / "security.txt",
      "\"7701\",\"LONG SECURITY NAME THAT PASSES THE END OF THE BOX\",\"20150115\",\"Y\"\r\n");
  openFolder(folder);
  search(QString::fromUtf16(u"依 統一編號"), QStringLiteral("B1200003"));
  auto* security = control<QLineEdit>(query(), "tx_o_01");
  ASSERT_TRUE(security->text().contains(QStringLiteral("LONG SECURITY NAME")));
  EXPECT_EQ(security->cursorPosition(), 0);
}

// Qt's message box and folder dialog: Chinese buttons without icons.
TEST_F(WindowTest, DialogsOfQtSpeakChineseAndTheirButtonsHaveNoIcons) {
  QtDialogs qt;
  const std::pair<std::function<void()>, QStringList> cases[] = {
      {[&] { qt.message(start(), QStringLiteral("x"), QStringLiteral("KV884"), false); },
       {QString::fromUtf16(u"確定")}},
      {[&] { qt.chooseFolder(start(), QString::fromUtf16(u"選擇檔案所在資料夾")); },
       {QString::fromUtf16(u"取消"), QString::fromUtf16(u"選擇")}},
  };
  for (const auto& [open, expected] : cases) {
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
      QWidget* dialog = QApplication::activeModalWidget();
      for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->isVisible())
          buttons << button->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)|&"))) +
                         (button->icon().isNull() ? QString() : QStringLiteral("+icon"));
      static_cast<QDialog*>(dialog)->reject();
    });
    open();
    buttons.sort();
    EXPECT_EQ(buttons, expected);
  }
}

}  // namespace
}  // namespace kv884::test

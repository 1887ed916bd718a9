// The start window driven through its widgets: the folder dialog and its messages, the open
// button, the count report window, and the two ways of ending the program.

#include <QPlainTextEdit>
#include <QTimer>

#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

using StartViewTest = DesktopTest;

TEST_F(StartViewTest, CancelledFolderDialogKeepsTheBoxAndSaysSo) {
  QLineEdit* box = control<QLineEdit>(start(), "tx_i_01");
  typeText(box, QStringLiteral("/data/old"));
  dialogs->folderAnswer.clear();
  click(start(), "lab_01");
  ASSERT_EQ(dialogs->folderTitles.size(), 1u);
  EXPECT_EQ(dialogs->folderTitles[0], QString::fromUtf16(u"選擇檔案所在資料夾"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].text, QString::fromUtf16(u"未選擇資料夾或取消選擇資料夾！"));
  EXPECT_EQ(dialogs->messages[0].caption, QStringLiteral("KV884"));
  EXPECT_FALSE(dialogs->messages[0].informationIcon);
  EXPECT_EQ(box->text(), QStringLiteral("/data/old"));
  EXPECT_EQ(desktop.program.frm_0.tx_i_01.text, u"/data/old");
}

TEST_F(StartViewTest, ChosenFolderGoesIntoTheBoxAndAFolderWithoutIndexIsWarned) {
  const QString plain = QString::fromStdString(temp.path().string());
  dialogs->folderAnswer = plain;
  click(start(), "lab_01");
  EXPECT_EQ(boxText(start(), "tx_i_01"), plain);
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].text, plain + QString::fromUtf16(u"資料夾內需存在ntridx次目錄"));
  EXPECT_EQ(dialogs->messages[0].caption, QString::fromUtf16(u"警告訊息"));
  EXPECT_TRUE(dialogs->messages[0].informationIcon);

  dialogs->messages.clear();
  const QString dataSet = QString::fromStdString(copyFixture("basic", temp.path()).string());
  dialogs->folderAnswer = dataSet;
  click(start(), "lab_01");
  EXPECT_EQ(boxText(start(), "tx_i_01"), dataSet);
  EXPECT_TRUE(dialogs->messages.empty());
  click(start(), "cmd_1");
  EXPECT_NE(query(), nullptr) << "the chosen folder is the one opened";
}

TEST_F(StartViewTest, FailedOpeningLeavesTheOpenButtonEnabled) {
  openFolder(temp.path() / "missing");
  EXPECT_EQ(query(), nullptr);
  EXPECT_TRUE(enabled(start(), "cmd_1"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_TRUE(dialogs->messages[0].text.startsWith(QStringLiteral("MSG_0_17 ")));
  EXPECT_EQ(dialogs->messages[0].text.count(QLatin1Char('\n')), 2) << "CR LF shown as line breaks";
}

TEST_F(StartViewTest, ExitButtonEndsTheProgramWithTheQueryWindowOpen) {
  openFolder(copyFixture("basic", temp.path()));
  ASSERT_NE(query(), nullptr);
  QTimer::singleShot(0, start(), [this] { click(start(), "cmd_6"); });
  // Ends the test program with another status should the button not quit.
  QTimer::singleShot(30000, qApp, [] { QCoreApplication::exit(3); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(desktop.program.ended());
  EXPECT_FALSE(start()->isVisible());
  EXPECT_FALSE(query()->isVisible());
  EXPECT_FALSE(desktop.program.files.isOpen(3));
}

TEST_F(StartViewTest, CloseBoxEndsTheProgram) {
  EXPECT_TRUE(start()->close());
  EXPECT_TRUE(desktop.program.ended());
}

TEST_F(StartViewTest, CountReportWindowShowsTheReportAndClosesByItsCloseBox) {
  openFolder(copyFixture("basic", temp.path()));
  click(start(), "cmd_5");
  ASSERT_NE(report(), nullptr);
  EXPECT_TRUE(report()->isVisible());
  EXPECT_TRUE(report()->isMaximized());
  EXPECT_EQ(report()->focusWidget(), control<QPushButton>(report(), "cmd_2"));
  QString expected = QString::fromUtf8(readFile(fixturePath("basic") / "report.expected.txt"));
  expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  EXPECT_EQ(control<QPlainTextEdit>(report(), "tx_o_01")->toPlainText(), expected);
  for (const char* inert : {"Command1", "Command2"}) EXPECT_FALSE(enabled(report(), inert));
  EXPECT_FALSE(control<QComboBox>(report(), "comb_1")->isEnabled());

  QWidget* shown = report();
  EXPECT_FALSE(shown->close());
  EXPECT_EQ(report(), nullptr);
  EXPECT_EQ(desktop.program.reportWindow(), nullptr);
  EXPECT_FALSE(shown->isVisible());
  EXPECT_NE(query(), nullptr) << "the query window is independent of the report";
}

}  // namespace
}  // namespace kv884::test

// Opening a data set from the start window: each failure shows its exact message and leaves no
// file open; a successful opening hands the three files to a freshly loaded query window.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/query_fixture.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

struct Opening : ::testing::Test, OpenedFixture {
  static std::u16string fromPath(const fs::path& p) { return fromUtf8(p.string()); }
};

TEST_F(Opening, SucceedsWithThreeFilesOpenAndTheQueryWindowLoaded) {
  open();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(program.files.openNumbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(program.frm_0.cmd_1.enabled);
  ASSERT_NE(program.queryWindow(), nullptr);
  QueryWindow& w = *program.queryWindow();
  EXPECT_EQ(w.tx_o_23.text, u"20150115");
  EXPECT_EQ(w.comb_1.text, u"依 統一編號");
  EXPECT_FALSE(w.cmd_2.enabled || w.cmd_5.enabled || w.cmd_6.enabled);
  EXPECT_EQ(program.g_SecurityName, u"群星水泥");
  EXPECT_EQ(program.g_DecimalFlag, u"Y");
  EXPECT_TRUE(ui.shown.count(WindowId::Query));
}

TEST_F(Opening, ReadsNoRecord) {
  int reads = 0;
  program.files.setReadObserver([&](int, int64_t) { ++reads; });
  open();
  EXPECT_EQ(reads, 0);
}

TEST_F(Opening, QueryWindowCloseGivesTheOpenButtonBackAndAFreshWindowNextTime) {
  open();
  QueryWindow* first = program.queryWindow();
  first->tx_i_01.text = u"A";
  first->cmd_1_Click();
  first->cmd_3_Click();
  EXPECT_EQ(program.queryWindow(), nullptr);
  EXPECT_TRUE(program.files.openNumbers().empty());
  EXPECT_TRUE(program.frm_0.cmd_1.enabled);
  EXPECT_FALSE(ui.shown.count(WindowId::Query));

  test::writeFile(set / "ntridx" / "security.txt", "\"7701\",\"NAME\",\"20991231\",\"N\"");
  open();
  ASSERT_NE(program.queryWindow(), nullptr);
  QueryWindow& w = *program.queryWindow();
  EXPECT_EQ(w.tx_o_23.text, u"20991231");  // the descriptor is read afresh
  EXPECT_EQ(w.tx_i_01.text, u"");
  EXPECT_EQ(w.tx_o_02.text, u"");
  EXPECT_EQ(w.m_HistFirst + w.m_HistPos + w.m_HistLast, 0);
}

TEST_F(Opening, FolderTextEndingInASeparatorOpens) {
  program.frm_0.tx_i_01.text = fromPath(set) + u"\\";
  EXPECT_TRUE(open());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Opening, EndingTheProgramClosesEveryFileWithoutAMessage) {
  open();
  program.frm_0.cmd_6_Click();
  EXPECT_TRUE(ui.ended);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(program.files.openNumbers().empty());
}

TEST_F(Opening, FolderDialogCancelKeepsTheBoxAndSaysSo) {
  program.frm_0.tx_i_01.text = u"/previous";
  program.frm_0.lab_01_Click();
  EXPECT_EQ(ui.prompts, std::vector<std::u16string>{u"選擇檔案所在資料夾"});
  EXPECT_EQ(program.frm_0.tx_i_01.text, u"/previous");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, u"未選擇資料夾或取消選擇資料夾！");
  EXPECT_EQ(ui.messages[0].caption, u"KV884");
}

TEST_F(Opening, FolderWithoutIndexFolderIsKeptWithAWarning) {
  ui.folderAnswers = {fromPath(set), fromPath(temp.path())};
  program.frm_0.lab_01_Click();
  EXPECT_TRUE(ui.messages.empty());  // the set has ntridx
  program.frm_0.lab_01_Click();
  EXPECT_EQ(program.frm_0.tx_i_01.text, fromPath(temp.path()));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, fromPath(temp.path()) + u"資料夾內需存在ntridx次目錄");
  EXPECT_EQ(ui.messages[0].caption, u"警告訊息");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);

  // A plain file named ntridx passes the check.
  writeFile(temp.path() / "other" / "ntridx", "");
  ui.messages.clear();
  ui.folderAnswers = {fromPath(temp.path() / "other")};
  program.frm_0.lab_01_Click();
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kv884::test

// The count report window: read afresh on every request, replaced in the same window, created
// anew after closing; a missing report leaves an open window's text alone.

#include <gtest/gtest.h>

#include <filesystem>

#include "startwin/report_window.hpp"
#include "support/query_fixture.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

struct CountReport : ::testing::Test, OpenedFixture {
  fs::path report() const { return set / "ntr" / "7701.ptr"; }
};

TEST_F(CountReport, ShowsEachLineIndentedAfterALineBreak) {
  writeFile(report(), "ABC\r\n\r\n\xb8\xea\xae\xc6");  // ABC, an empty line, 資料
  program.frm_0.cmd_5_Click();
  ASSERT_NE(program.reportWindow(), nullptr);
  EXPECT_TRUE(program.reportWindow()->visible);
  EXPECT_EQ(program.reportWindow()->tx_o_01.text, u"\r\n  ABC\r\n  \r\n  資料");
  EXPECT_TRUE(program.files.openNumbers().empty());
}

TEST_F(CountReport, SecondRequestReplacesTheTextAndCloseDiscardsIt) {
  writeFile(report(), "one");
  program.frm_0.cmd_5_Click();
  ReportWindow* window = program.reportWindow();
  writeFile(report(), "two");
  program.frm_0.cmd_5_Click();
  EXPECT_EQ(program.reportWindow(), window);
  EXPECT_EQ(window->tx_o_01.text, u"\r\n  two");

  window->cmd_2_Click();
  EXPECT_EQ(program.reportWindow(), nullptr);
  EXPECT_FALSE(ui.shown.count(WindowId::Report));
  writeFile(report(), "");
  program.frm_0.cmd_5_Click();
  ASSERT_NE(program.reportWindow(), nullptr);
  EXPECT_EQ(program.reportWindow()->tx_o_01.text, u"");
}

TEST_F(CountReport, MissingReportKeepsAnOpenWindowsText) {
  program.frm_0.cmd_5_Click();
  std::u16string before = program.reportWindow()->tx_o_01.text;
  fs::remove(report());
  program.frm_0.cmd_5_Click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, u"MSG_0_15 " + fromUtf8(set.string()) +
                                     u"\\ntr\\7701.ptr 開檔錯誤 !\r\n53\r\n找不到檔案");
  EXPECT_EQ(program.frm_0.m_ErrorText, ui.messages[0].text);
  EXPECT_EQ(program.reportWindow()->tx_o_01.text, before);
  EXPECT_TRUE(program.files.openNumbers().empty());
}

TEST_F(CountReport, DescriptorFailureShowsOnlyItsOwnMessageAndNoWindow) {
  fs::remove(set / "ntridx" / "security.txt");
  program.frm_0.cmd_5_Click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.substr(0, 9), u"MSG_0_17 ");
  EXPECT_EQ(program.reportWindow(), nullptr);
}

TEST_F(CountReport, DoesNotTouchTheDataFilesOfAnOpenSet) {
  ASSERT_TRUE(open());
  program.frm_0.cmd_5_Click();
  EXPECT_EQ(program.files.openNumbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_NE(program.queryWindow(), nullptr);
}

}  // namespace
}  // namespace kv884::test

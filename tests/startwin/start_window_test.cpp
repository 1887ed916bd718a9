// The start window on the basic fixture: opening the data set for the query window and giving it
// back, ending the program, the folder dialog, and the count report window with its printout.
// Every damaged set's message is in tests/reliability.

#include <gtest/gtest.h>

#include "startwin/report_window.hpp"
#include "support/fixture_set.hpp"
#include "support/recording_print_surface.hpp"

namespace kv884::test {
namespace {

class StartWindowTest : public ::testing::Test {
 protected:
  StartWindow& frm_0() { return set.program.frm_0; }
  ReportWindow* report() { return set.program.reportWindow(); }

  FixtureSet set;
  HeadlessUi& ui = set.ui;
};

// Opening reads no record and hands three files to the query window; its close gives them and
// the open button back, and the next opening is fresh. The count report opened beside leaves the
// data set alone; ending the program closes everything.
TEST_F(StartWindowTest, OpeningHandsThreeFilesToAFreshQueryWindowUntilItClosesOrTheProgramEnds) {
  int reads = 0;
  set.program.files.setReadObserver([&](int, int64_t) { ++reads; });
  frm_0().tx_i_01.text += u"\\";  // a folder ending in a separator, as a disc's root does
  ASSERT_TRUE(set.open());
  EXPECT_EQ(reads, 0);
  const std::vector<std::u16string> kinds{u"依 統一編號", u"依 中文戶名", u"依 帳號", u"依 戶號"};
  EXPECT_EQ(set.window().comb_1.items, kinds);
  set.search(1, u"B12");
  set.window().cmd_3_Click();
  EXPECT_EQ(set.program.queryWindow(), nullptr);
  EXPECT_TRUE(set.program.files.openNumbers().empty());
  EXPECT_TRUE(frm_0().cmd_1.enabled);
  EXPECT_FALSE(ui.isShown(WindowId::Query));

  writeFile(set.descriptor(), "\"7701\",\"NAME\",\"20991231\",\"N\"");
  ASSERT_TRUE(set.open());
  QueryWindow& w = set.window();
  EXPECT_EQ(w.tx_o_23.text, u"20991231");  // the descriptor is read afresh
  EXPECT_EQ(w.tx_i_01.text + w.tx_o_02.text + w.tx_o_pnt.text, u"");
  EXPECT_EQ(w.m_HistFirst + w.m_HistPos + w.m_HistLast, 0);
  frm_0().cmd_5_Click();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(set.program.files.openNumbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(frm_0().cmd_1.enabled);
  EXPECT_TRUE(ui.isShown(WindowId::Query));
  frm_0().cmd_6_Click();
  EXPECT_TRUE(ui.ended);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(set.program.files.openNumbers().empty());
}

// The folder dialog: cancelled, a folder with ntridx, one without, one with a plain file ntridx.
TEST_F(StartWindowTest, FolderDialogPutsTheFolderIntoTheBoxAndChecksItsIndexFolder) {
  writeFile(set.temp.path() / "plain" / "ntridx", "");
  const std::u16string none = set.temp.text();
  const std::u16string plain = fromUtf8((set.temp.path() / "plain").string());
  struct Case {
    std::u16string answer;  // empty: cancelled
    std::u16string box;
    ShownMessage message;  // empty text: none
  };
  const Case kCases[] = {
      {u"", u"/previous", {u"未選擇資料夾或取消選擇資料夾！", u"KV884", MessageIcon::None}},
      {set.folderText(), set.folderText(), {}},
      {none, none, {none + u"資料夾內需存在ntridx次目錄", u"警告訊息", MessageIcon::Information}},
      {plain, plain, {}},
  };
  for (const Case& c : kCases) {
    frm_0().tx_i_01.text = u"/previous";
    ui.folderAnswers = {c.answer};
    frm_0().lab_01_Click();
    EXPECT_EQ(ui.prompts.back(), u"選擇檔案所在資料夾");
    EXPECT_EQ(frm_0().tx_i_01.text, c.box);
    ASSERT_EQ(ui.messages.size(), c.message.text.empty() ? 0u : 1u);
    if (c.message.text.empty()) continue;
    EXPECT_EQ(ui.messages[0].text, c.message.text);
    EXPECT_EQ(ui.messages[0].caption, c.message.caption);
    EXPECT_EQ(ui.messages[0].icon, c.message.icon);
    ui.messages.clear();
  }
}

// The report is read afresh by every request into the one window, indented after a line break;
// a request that fails keeps an open window's text; closing discards it.
TEST_F(StartWindowTest, CountReportIsReadAfreshIntoOneWindow) {
  writeFile(set.countReport(), "ABC\r\n\r\n\xb8\xea\xae\xc6");  // ABC, an empty line, 資料
  frm_0().cmd_5_Click();
  ASSERT_NE(report(), nullptr);
  ReportWindow* first = report();
  EXPECT_TRUE(ui.isShown(WindowId::Report));
  EXPECT_EQ(first->tx_o_01.text, u"\r\n  ABC\r\n  \r\n  資料");
  writeFile(set.countReport(), "two");
  frm_0().cmd_5_Click();
  EXPECT_EQ(report(), first);
  EXPECT_EQ(first->tx_o_01.text, u"\r\n  two");

  // A report over its bound of one megabyte is refused before it is read, as a missing one is.
  for (const auto& [length, error] :
       {std::pair{(1 << 20) + 1, u"59\r\n錯誤的記錄長度"}, std::pair{-1, u"53\r\n找不到檔案"}}) {
    if (length < 0) fs::remove(set.countReport());
    if (length > 0) fs::resize_file(set.countReport(), length);
    frm_0().cmd_5_Click();
    EXPECT_EQ(ui.takeMessages(), Texts{u"MSG_0_15 " + set.folderText() +
                                       shownHere(u"/ntr/7701.ptr") + u" 開檔錯誤 !\r\n" + error});
    EXPECT_EQ(first->tx_o_01.text, u"\r\n  two");
    EXPECT_TRUE(set.program.files.openNumbers().empty());
  }

  first->cmd_2_Click();
  EXPECT_EQ(report(), nullptr);
  EXPECT_FALSE(ui.isShown(WindowId::Report));
  fs::remove(set.descriptor());
  frm_0().cmd_5_Click();
  EXPECT_EQ(ui.takeMessages().at(0).substr(0, 9), u"MSG_0_17 ");
  EXPECT_EQ(report(), nullptr);
}

TEST_F(StartWindowTest, CountReportPrintsEveryLineIndentedAndReportsAPrinterFailure) {
  writeFile(set.countReport(), "A\r\n\r\nB");
  frm_0().cmd_5_Click();
  RecordingPrintSurface printer;
  set.program.printer = &printer;
  report()->cmd_1_Click();
  // The title and the fonts the PDF shows; here, that every line comes indented, the empty one too.
  EXPECT_EQ(std::vector(printer.calls.end() - 4, printer.calls.end()),
            (std::vector<std::string>{"line \"  A\"", "line \"  \"", "line \"  B\"", "end"}));
  EXPECT_TRUE(ui.messages.empty());

  RecordingPrintSurface failing;
  failing.failAtCall = 7;
  set.program.printer = &failing;
  report()->cmd_1_Click();
  EXPECT_EQ(ui.takeMessages(), Texts{u"MSG_0_18 列印失敗 !\r\n印表機離線"});
  EXPECT_TRUE(ui.isShown(WindowId::Report));
  EXPECT_EQ(report()->tx_o_01.text, u"\r\n  A\r\n  \r\n  B");
}

}  // namespace
}  // namespace kv884::test

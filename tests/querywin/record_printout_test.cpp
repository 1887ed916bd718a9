// 列印 in the query window: the page's calls on the printer, the page as text for a fixture
// record, and a printer that fails.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_print_surface.hpp"
#include "support/query_fixture.hpp"
#include "support/recording_print_surface.hpp"

namespace kv884 {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start) + "<no final line break>");
  return lines;
}

class RecordPrintout : public ::testing::Test {
 protected:
  RecordPrintout() { set.open(); }
  QueryWindow& window() { return set.window(); }
  void search(const std::u16string& caption, const std::u16string& key) {
    set.search(caption, key);
  }

  // The page 列印 prints now, as a text page.
  std::vector<std::string> textPage() {
    test::TempFolder folder;
    {
      TextPrintSurface surface(folder.path() / "page.txt");
      program.printer = &surface;
      window().cmd_4_Click();
      program.printer = nullptr;
    }
    return linesOf(test::readFile(folder.path() / "page.txt"));
  }

  test::OpenedFixture set;
  Program& program = set.program;
  HeadlessUi& ui = set.ui;
};

TEST_F(RecordPrintout, BeforeAnySearchEveryCallIsInPageOrderWithOnlyTheDataDateFilled) {
  ASSERT_NE(program.queryWindow(), nullptr);
  test::RecordingPrintSurface printer;
  program.printer = &printer;
  window().cmd_4_Click();

  const std::vector<std::string> expected = {
      "size 20",
      "name 細明體",
      "line \" \"",
      "line \"　　　   配發有價證券劃撥轉帳清冊            KQD05\"",
      "size 12",
      "line \" \"",
      "line \"　　　　　　　　證券代號\" tab(25) \" : \" \"\" tab(50) \"\"",
      "line \"　　　　　　　　資料日期\" tab(25) \" : \" \"20150115\"",
      "line \"\"",
      "line \"　　　　　　　　　　戶號\" tab(25) \" : \" \"\"",
      "line \"　　　　　　　　　　戶名\" tab(25) \" : \" \"\"",
      "line \" 身分證/營利事業統一編號\" tab(25) \" : \" \"\" \"\"",
      "line \"　　　　　　　　集保帳號\" tab(25) \" : \" \"\"",
      "line \"　　　　　　　　劃撥股數\" tab(25) \" : \" \"\"",
      "line \" 擔保品/全權委託撥轉股數\" tab(25) \" : \" \"\"",
      "line \" 擔保品/全權委託撥轉筆數\" tab(25) \" : \" \"\"",
      "line \"　　　　　　　　資料類別\" tab(25) \" : \" \"\"",
      "line \"　　　　　　　　逐戶配發\" tab(25) \" : \" \"\"",
      "line \"\"",
      "size 8",
      "line \"註：＊表示身分證字號不符強迫入帳者　　　 \"",
      "line \"　　資料類別：１：無償配股 ２：有償配股 空白：其他\"",
      "size 14",
      "line \"\"",
      "line \"\"",
      "line \"\"",
      "line \"     經                     主\"",
      "line \"     辦                     管                   製表：鴻澤證券登錄託存處\"",
      "end",
  };
  EXPECT_EQ(printer.calls, expected);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecordPrintout, CaptionsAreTakenFromTheLabelsAtPrintTime) {
  window().lab_02.caption = u"戶號碼";
  window().lab_04.caption = u"身分證/統一編號";
  test::RecordingPrintSurface printer;
  program.printer = &printer;
  window().cmd_4_Click();
  ASSERT_GT(printer.calls.size(), 11u);
  EXPECT_EQ(printer.calls[9], "line \"　　　　　　　　　戶號碼\" tab(25) \" : \" \"\"");
  EXPECT_EQ(printer.calls[11], "line \" 身分證/統一編號\" tab(25) \" : \" \"\" \"\"");
}

TEST_F(RecordPrintout, ForcedPostingRecordPrintsAsThisTextPage) {
  search(u"依 統一編號", u"B1200003");
  ASSERT_EQ(window().tx_o_04_x.text, u"＊");

  const std::vector<std::string> expected = {
      "",
      "　　　   配發有價證券劃撥轉帳清冊            KQD05",
      "",
      "　　　　　　　　證券代號 : 2330    群星水泥      D",
      "　　　　　　　　資料日期 : 20150115",
      "",
      "　　　　　　　　　　戶號 : 0000100301",
      "　　　　　　　　　　戶名 : 張國華",
      " 身分證/營利事業統一編號 : B120000301＊",
      "　　　　　　　　集保帳號 : 53800012345",
      "　　　　　　　　劃撥股數 : 15,000.00",
      " 擔保品/全權委託撥轉股數 : 0.00",
      " 擔保品/全權委託撥轉筆數 : 0",
      "　　　　　　　　資料類別 :",
      "　　　　　　　　逐戶配發 : N",
      "",
      "註：＊表示身分證字號不符強迫入帳者　　　",
      "　　資料類別：１：無償配股 ２：有償配股 空白：其他",
      "",
      "",
      "",
      "     經                     主",
      "     辦                     管                   製表：鴻澤證券登錄託存處",
  };
  EXPECT_EQ(textPage(), expected);
}

TEST_F(RecordPrintout, UnmarkedIdEndsWithAnIdeographicSpaceAndTheCategoryIsPrinted) {
  search(u"依 統一編號", u"B1200003");
  window().cmd_2_Click();
  ASSERT_EQ(window().tx_o_02.text, u"0000100302");
  std::vector<std::string> page = textPage();
  ASSERT_EQ(page.size(), 23u);
  EXPECT_EQ(page[3], "　　　　　　　　證券代號 : 2330    群星水泥      一般配發");
  EXPECT_EQ(page[8], " 身分證/營利事業統一編號 : B120000302　");
  EXPECT_EQ(page[11], " 擔保品/全權委託撥轉股數 : 2,500.00");
  EXPECT_EQ(page[13], "　　　　　　　　資料類別 : 1");
}

TEST_F(RecordPrintout, AllotmentTypeMovesToTheNextLineOnlyWhenTheNameReachesPastColumn49) {
  search(u"依 統一編號", u"B1200003");
  // The value starts at column 28: 22 columns end at column 49, 23 at column 50.
  window().tx_o_01.text = u"2330    群星水泥工業社";
  std::vector<std::string> page = textPage();
  ASSERT_EQ(page.size(), 23u);
  EXPECT_EQ(page[3], "　　　　　　　　證券代號 : 2330    群星水泥工業社D");
  EXPECT_EQ(page[4], "　　　　　　　　資料日期 : 20150115");

  window().tx_o_01.text = u"2330    群星水泥工業社X";
  page = textPage();
  ASSERT_EQ(page.size(), 24u);
  EXPECT_EQ(page[3], "　　　　　　　　證券代號 : 2330    群星水泥工業社X");
  EXPECT_EQ(page[4], std::string(49, ' ') + "D");
  EXPECT_EQ(page[5], "　　　　　　　　資料日期 : 20150115");
}

TEST_F(RecordPrintout, PrinterFailureShowsOneMessageAndLeavesTheWindowAsItWas) {
  search(u"依 統一編號", u"B1200003");
  window().cmd_2_Click();
  const std::string before = test::describe(window());
  ASSERT_TRUE(ui.messages.empty());

  // The printer refuses at the start, in the middle of the page, and at the end of the document.
  for (size_t failAt : {0u, 12u, 28u}) {
    SCOPED_TRACE(failAt);
    test::RecordingPrintSurface printer;
    printer.failAtCall = failAt;
    printer.failReason = u"印表機離線";
    program.printer = &printer;
    window().cmd_4_Click();
    EXPECT_EQ(printer.calls.size(), failAt);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, u"MSG_1_09:列印失敗 !\r\n印表機離線");
    EXPECT_EQ(ui.messages[0].caption, u"KV884");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(test::describe(window()), before);
    ui.messages.clear();
  }
}

TEST_F(RecordPrintout, TextPageThatCannotBeWrittenIsAPrinterFailure) {
  search(u"依 統一編號", u"B1200003");
  const std::string before = test::describe(window());
  test::TempFolder folder;
  TextPrintSurface surface(folder.path() / "missing-folder" / "page.txt");
  program.printer = &surface;
  window().cmd_4_Click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind(u"MSG_1_09:列印失敗 !\r\n", 0), 0u);
  EXPECT_GT(ui.messages[0].text.size(), std::u16string(u"MSG_1_09:列印失敗 !\r\n").size());
  EXPECT_EQ(test::describe(window()), before);
}

}  // namespace
}  // namespace kv884

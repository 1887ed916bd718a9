// 列印 in the count report window: the printed calls for a report and for an empty one, the
// report as a text page, and a printer that fails.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/headless_ui.hpp"
#include "platform/text_print_surface.hpp"
#include "platform/ui.hpp"
#include "platform/utf.hpp"
#include "startwin/program.hpp"
#include "startwin/report_window.hpp"
#include "support/recording_print_surface.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

class ReportPrintout : public ::testing::Test {
 protected:
  // Shows the count report of a data folder.
  ReportWindow& showReport(const std::filesystem::path& folder) {
    program.frm_0.tx_i_01.text = fromUtf8(folder.string());
    program.frm_0.cmd_5_Click();
    EXPECT_TRUE(ui.messages.empty());
    return *program.reportWindow();
  }

  HeadlessUi ui;
  Program program{ui};
};

TEST_F(ReportPrintout, TitleThenEveryReportLineInOrder) {
  ReportWindow& report = showReport(test::fixturePath("basic"));
  test::RecordingPrintSurface printer;
  program.printer = &printer;
  report.cmd_1_Click();

  const std::vector<std::string> expected = {
      "size 20",
      "name 細明體",
      "line \" \"",
      "line \"　　　 鴻澤證券登錄託存處-帳簿劃撥配發筆數\"",
      "size 12",
      "line \" \"",
      "line \"\"",
      "line \"  群星水泥股份有限公司  帳簿劃撥配發筆數\"",
      "line \"  \"",
      "line \"  配發類別          筆數          股數\"",
      "line \"  一般配發            30       123,456\"",
      "line \"  \"",
      "line \"  合計                30       123,456\"",
      "end",
  };
  EXPECT_EQ(printer.calls, expected);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReportPrintout, EmptyReportPrintsTheTitleTheBlankLinesAndOneEmptyLine) {
  test::TempFolder temp;
  std::filesystem::path folder = test::copyFixture("basic", temp.path());
  test::writeFile(folder / "ntr" / "7701.ptr", "");
  ReportWindow& report = showReport(folder);
  ASSERT_EQ(report.tx_o_01.text, u"");

  test::RecordingPrintSurface printer;
  program.printer = &printer;
  report.cmd_1_Click();
  const std::vector<std::string> expected = {
      "size 20", "name 細明體", "line \" \"", "line \"　　　 鴻澤證券登錄託存處-帳簿劃撥配發筆數\"",
      "size 12", "line \" \"",  "line \"\"",  "end",
  };
  EXPECT_EQ(printer.calls, expected);

  TextPrintSurface text(temp.path() / "report.txt");
  program.printer = &text;
  report.cmd_1_Click();
  EXPECT_EQ(test::readFile(temp.path() / "report.txt"),
            "\n"
            "　　　 鴻澤證券登錄託存處-帳簿劃撥配發筆數\n"
            "\n"
            "\n");
}

TEST_F(ReportPrintout, TwoPrintsIntoOneTextFileAreTwoPages) {
  ReportWindow& report = showReport(test::fixturePath("basic"));
  test::TempFolder temp;
  TextPrintSurface text(temp.path() / "report.txt");
  program.printer = &text;
  report.cmd_1_Click();
  report.cmd_1_Click();
  const std::string page =
      "\n"
      "　　　 鴻澤證券登錄託存處-帳簿劃撥配發筆數\n"
      "\n"
      "\n"
      "  群星水泥股份有限公司  帳簿劃撥配發筆數\n"
      "\n"
      "  配發類別          筆數          股數\n"
      "  一般配發            30       123,456\n"
      "\n"
      "  合計                30       123,456\n";
  EXPECT_EQ(test::readFile(temp.path() / "report.txt"), page + "\f\n" + page);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReportPrintout, PrinterFailureShowsOneMessageAndKeepsTheReport) {
  ReportWindow& report = showReport(test::fixturePath("basic"));
  const std::u16string text = report.tx_o_01.text;

  for (size_t failAt : {0u, 7u, 13u}) {
    SCOPED_TRACE(failAt);
    test::RecordingPrintSurface printer;
    printer.failAtCall = failAt;
    printer.failReason = u"沒有預設的印表機";
    program.printer = &printer;
    report.cmd_1_Click();
    EXPECT_EQ(printer.calls.size(), failAt);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, u"MSG_0_18 列印失敗 !\r\n沒有預設的印表機");
    EXPECT_EQ(ui.messages[0].caption, u"KV884");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    ASSERT_EQ(program.reportWindow(), &report);
    EXPECT_TRUE(report.visible);
    EXPECT_EQ(report.tx_o_01.text, text);
    ui.messages.clear();
  }
}

}  // namespace
}  // namespace kv884

// kv884-query --print FILE.pdf through the PDF module beside the program, read back with pdfinfo,
// pdftotext and pdffonts; and a copy of the program without the module, whose PDF printing fails
// saying so.

#include <gtest/gtest.h>

#include <regex>

#include "support/command.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

#ifdef KV884_PDF_MODULE
constexpr bool kPdfModuleBuilt = true;
#else
constexpr bool kPdfModuleBuilt = false;
#endif

// The first pattern that does not follow the ones before it in text ("": none).
std::string firstOutOfOrder(const std::string& text, const std::vector<std::string>& patterns) {
  auto from = text.cbegin();
  for (const std::string& pattern : patterns) {
    std::smatch found;
    if (!std::regex_search(from, text.cend(), found, std::regex(pattern))) return pattern;
    from = found[0].second;
  }
  return "";
}

TEST(PrintPdf, PagesHoldEveryLineInOrderInAnEmbeddedTwSung) {
  if (!kPdfModuleBuilt) GTEST_SKIP() << "this build has no PDF module (no Qt)";
  TempFolder temp;
  const fs::path set = copyFixture("basic", temp.path());
  std::string report = "\r\n";
  std::vector<std::string> reportLines{"鴻澤證券登錄託存處-帳簿劃撥配發筆數"};
  for (int i = 100; i < 400; ++i) {  // 300 lines of 12 points do not fit on three A4 pages
    report += "line " + std::to_string(i) + "\r\n";
    reportLines.push_back("line " + std::to_string(i));
  }
  writeFile(set / "ntr" / "7701.ptr", report);
  struct Case {
    std::string mode;
    std::string pages;  // what pdfinfo says
    std::vector<std::string> lines;
  };
  const Case kCases[] = {
      {"--by id B1200003",
       "Pages: +3\n",
       {"配發有價證券劃撥轉帳清冊 +KQD05", "證券代號 +: +2330 +群星水泥 +D", "戶名 +: +張國華",
        "身分證/營利事業統一編號 +: +B120000301＊", "劃撥股數 +: +15,000.00",
        "註：＊表示身分證字號不符強迫入帳者", "資料類別：１：無償配股 +２：有償配股 +空白：其他",
        "經 +主", "辦 +管 +製表：鴻澤證券登錄託存處", "戶號 +: +0000100302",
        "戶號 +: +0000100303"}},
      {"--report", "Pages: +([4-9]|\\d\\d)\n", reportLines},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.mode);
    const std::string pdf = shellQuote((temp.path() / "p.pdf").string());
    CommandResult r = runCommand(shellQuote(queryBinary()) + " " + shellQuote(set) + " " + c.mode +
                                 " --print " + pdf);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");  // standard error is for messages only, not for the toolkit's notes
    EXPECT_TRUE(std::regex_search(runCommand("pdfinfo " + pdf).out, std::regex(c.pages)));
    EXPECT_EQ(firstOutOfOrder(runCommand("pdftotext -layout " + pdf + " -").out, c.lines), "");
    // Columns: name, type, encoding, emb, sub, uni, object, ID.
    EXPECT_TRUE(std::regex_search(runCommand("pdffonts " + pdf).out,
                                  std::regex("TW-Sung.* yes +(yes|no) +(yes|no) +\\d+ +\\d+\n")));
  }
}

TEST(PrintPdf, WithoutTheModuleBesideTheProgramFailsSayingSo) {
  TempFolder temp;
  fs::copy_file(queryBinary(), temp.path() / "kv884-query");
  CommandResult r =
      runCommand("./kv884-query " + shellQuote(fixturePath("basic")) + " --by id B12 --print p.pdf",
                 {}, 60, temp.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.rfind("MSG_1_09:列印失敗 !\n無法載入 PDF 列印模組 (", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("kv884-pdf.so"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(temp.path() / "p.pdf"));
}

}  // namespace
}  // namespace kv884::test

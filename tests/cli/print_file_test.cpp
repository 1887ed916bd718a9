// kv884-query --print FILE and the replay's `print FILE`: text pages and PDF files, read back
// with pdftotext, pdffonts and pdfinfo.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/command.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

namespace fs = std::filesystem;

using test::shellQuote;

// Runs a command line in folder; stdout and stderr are kept.
test::CommandResult run(const fs::path& folder, const std::string& command) {
  return test::runCommand(command, {}, 60, folder);
}

std::string query() {
  return shellQuote(test::queryBinary());
}

std::string basic() {
  return shellQuote(test::fixturePath("basic").string());
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The number of the first line at or after `from` that contains every part, or npos.
size_t findLine(const std::vector<std::string>& lines, size_t from,
                const std::vector<std::string>& parts) {
  for (size_t i = from; i < lines.size(); ++i) {
    bool all = true;
    for (const std::string& part : parts) all = all && lines[i].find(part) != std::string::npos;
    if (all) return i;
  }
  return std::string::npos;
}

// The lines of the record page of holder 0000100301 as pdftotext lays them out, in order: each
// entry is the parts one line holds.
const std::vector<std::vector<std::string>> kRecordPageInOrder = {
    {"配發有價證券劃撥轉帳清冊", "KQD05"},
    {"證券代號", ":", "2330", "群星水泥", "D"},
    {"資料日期", ":", "20150115"},
    {"戶號", ":", "0000100301"},
    {"戶名", ":", "張國華"},
    {"身分證/營利事業統一編號", ":", "B120000301＊"},
    {"集保帳號", ":", "53800012345"},
    {"劃撥股數", ":", "15,000.00"},
    {"擔保品/全權委託撥轉股數", ":", "0.00"},
    {"擔保品/全權委託撥轉筆數", ":", "0"},
    {"資料類別", ":"},
    {"逐戶配發", ":", "N"},
    {"註：＊表示身分證字號不符強迫入帳者"},
    {"資料類別：１：無償配股", "２：有償配股", "空白：其他"},
    {"經", "主"},
    {"辦", "管", "製表：鴻澤證券登錄託存處"},
};

#ifdef KV884_PDF_MODULE
constexpr bool kPdfModuleBuilt = true;
#else
constexpr bool kPdfModuleBuilt = false;
#endif

class PrintFile : public ::testing::Test {
 protected:
  std::string pdfText(const std::string& pdf, const std::string& pages = "") {
    return run(temp.path(), "pdftotext -layout " + pages + " " + shellQuote(pdf) + " -").out;
  }
  int pdfPages(const std::string& pdf) {
    std::string info = run(temp.path(), "pdfinfo " + shellQuote(pdf)).out;
    size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
  }

  test::TempFolder temp;
};

TEST_F(PrintFile, TextPagesOnePerShownScreenIntoAFileOfTheWorkingFolder) {
  test::CommandResult r =
      run(temp.path(), query() + " " + basic() + " --by id B1200003 --print pages.txt");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(linesOf(r.out).size(), 3u);  // the screens are still listed
  std::vector<std::string> lines = linesOf(test::readFile(temp.path() / "pages.txt"));
  ASSERT_EQ(lines.size(), 3 * 23u + 2);
  EXPECT_EQ(lines[23], "\f");
  EXPECT_EQ(lines[47], "\f");
  EXPECT_EQ(lines[8], " 身分證/營利事業統一編號 : B120000301＊");
  EXPECT_EQ(lines[24 + 6], "　　　　　　　　　　戶號 : 0000100302");
  EXPECT_EQ(lines[48 + 6], "　　　　　　　　　　戶號 : 0000100303");
  EXPECT_EQ(lines[48 + 3], "　　　　　　　　證券代號 : 2330    群星水泥      員工限制轉讓");
  EXPECT_EQ(lines.back(),
            "     辦                     管                   製表：鴻澤證券登錄託存處");
}

TEST_F(PrintFile, ReportIsPrintedBesideItsTextOnStandardOutput) {
  test::CommandResult r =
      run(temp.path(), query() + " " + basic() + " --report --print report.txt");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, test::readFile(test::fixturePath("basic") / "report.expected.txt"));
  EXPECT_EQ(test::readFile(temp.path() / "report.txt"),
            "\n"
            "　　　 鴻澤證券登錄託存處-帳簿劃撥配發筆數\n"
            "\n"
            "\n"
            "  群星水泥股份有限公司  帳簿劃撥配發筆數\n"
            "\n"
            "  配發類別          筆數          股數\n"
            "  一般配發            30       123,456\n"
            "\n"
            "  合計                30       123,456\n");
}

TEST_F(PrintFile, ReplayPrintPressesPrintIntoItsFileAndIsDisabledAfterClose) {
  test::writeFile(temp.path() / "script.replay",
                  "pick 依 統一編號\nkey B1200003\nsearch\nprint one.txt\nnext\nprint one.txt\n"
                  "print sub folder.txt\nclose\nprint two.txt\n");
  fs::create_directory(temp.path() / "sub");
  test::CommandResult r = run(temp.path(), query() + " " + basic() + " --replay script.replay");
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> out = linesOf(r.out);
  ASSERT_EQ(out.size(), 10u);
  EXPECT_NE(out[4].find("\"action\":\"print one.txt\",\"messages\":[],\"disabled\":false"),
            std::string::npos)
      << out[4];
  EXPECT_NE(out[9].find("\"action\":\"print two.txt\",\"messages\":[],\"disabled\":true"),
            std::string::npos)
      << out[9];

  // Two presses into one file are two pages; the name is everything after "print ".
  std::vector<std::string> one = linesOf(test::readFile(temp.path() / "one.txt"));
  ASSERT_EQ(one.size(), 2 * 23u + 1);
  EXPECT_EQ(one[6], "　　　　　　　　　　戶號 : 0000100301");
  EXPECT_EQ(one[23], "\f");
  EXPECT_EQ(one[24 + 6], "　　　　　　　　　　戶號 : 0000100302");
  EXPECT_TRUE(fs::exists(temp.path() / "sub folder.txt"));
  EXPECT_FALSE(fs::exists(temp.path() / "two.txt"));
}

TEST_F(PrintFile, PrinterFailureInReplayIsItsMessageAndInSearchModeExitStatusTwo) {
  test::writeFile(temp.path() / "script.replay", "print missing/page.txt\n");
  test::CommandResult r = run(temp.path(), query() + " " + basic() + " --replay script.replay");
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> out = linesOf(r.out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_NE(out[1].find("\"messages\":[\"MSG_1_09:列印失敗 !\\r\\n"), std::string::npos) << out[1];

  r = run(temp.path(), query() + " " + basic() + " --by id B1200003 --print missing/page.txt");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(linesOf(r.out).size(), 1u);  // the first screen, then the printer failed
  EXPECT_EQ(r.err.rfind("MSG_1_09:列印失敗 !\n", 0), 0u) << r.err;
}

TEST_F(PrintFile, PdfHasAPagePerShownScreenWithTheRecordLinesInOrderInAnEmbeddedTwSung) {
  if (!kPdfModuleBuilt) GTEST_SKIP() << "this build has no PDF module (no Qt)";
  test::CommandResult r =
      run(temp.path(), query() + " " + basic() + " --by id B1200003 --print pages.pdf");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // standard error is for messages only, not for the toolkit's notes
  EXPECT_EQ(pdfPages("pages.pdf"), 3);
  std::vector<std::string> lines = linesOf(pdfText("pages.pdf", "-f 1 -l 1"));
  size_t at = 0;
  for (const std::vector<std::string>& parts : kRecordPageInOrder) {
    at = findLine(lines, at, parts);
    ASSERT_NE(at, std::string::npos) << "missing in order: " << parts.front() << "\n"
                                     << pdfText("pages.pdf", "-f 1 -l 1");
    ++at;
  }
  lines = linesOf(pdfText("pages.pdf"));
  size_t second = findLine(lines, 0, {"戶號", "0000100302"});
  EXPECT_NE(findLine(lines, second, {"戶號", "0000100303"}), std::string::npos);

  std::string fonts = run(temp.path(), "pdffonts pages.pdf").out;
  bool embeddedMing = false;
  for (const std::string& line : linesOf(fonts))
    if (line.find("TW-Sung") != std::string::npos) {  // the family that 細明體 stands for
      // Columns: name, type (one or two words), encoding, emb, sub, uni, object, ID.
      std::vector<std::string> words;
      for (size_t i = 0, j; i < line.size(); i = j + 1) {
        j = line.find(' ', i);
        if (j == std::string::npos) j = line.size();
        if (j > i) words.push_back(line.substr(i, j - i));
      }
      ASSERT_GE(words.size(), 5u) << line;
      embeddedMing = words[words.size() - 5] == "yes";
    }
  EXPECT_TRUE(embeddedMing) << fonts;
}

TEST_F(PrintFile, LongReportContinuesOnFurtherPagesWithEveryLineInOrder) {
  if (!kPdfModuleBuilt) GTEST_SKIP() << "this build has no PDF module (no Qt)";
  fs::path folder = test::copyFixture("basic", temp.path());
  std::string report;
  for (int i = 1; i <= 300; ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "%sline %03d", i > 1 ? "\r\n" : "", i);
    report += line;
  }
  test::writeFile(folder / "ntr" / "7701.ptr", report + "\r\n");
  test::CommandResult r =
      run(temp.path(), query() + " " + shellQuote(folder.string()) + " --report --print r.pdf");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_GE(pdfPages("r.pdf"), 4);  // 300 lines of 12 points do not fit on three A4 pages

  std::vector<std::string> lines = linesOf(pdfText("r.pdf"));
  size_t at = findLine(lines, 0, {"鴻澤證券登錄託存處-帳簿劃撥配發筆數"});
  ASSERT_NE(at, std::string::npos);
  for (int i = 1; i <= 300; ++i) {
    char line[16];
    std::snprintf(line, sizeof line, "line %03d", i);
    at = findLine(lines, at, {line});
    ASSERT_NE(at, std::string::npos) << line;
  }
}

TEST_F(PrintFile, WithoutThePdfModuleBesideTheProgramPdfPrintingFailsSayingSo) {
  fs::copy_file(KV884_QUERY_BIN, temp.path() / "kv884-query");
  test::CommandResult r =
      run(temp.path(), "./kv884-query " + basic() + " --by id B1200003 --print page.pdf");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.rfind("MSG_1_09:列印失敗 !\n無法載入 PDF 列印模組 (", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("kv884-pdf.so"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(temp.path() / "page.pdf"));

  // Text pages need no module.
  r = run(temp.path(), "./kv884-query " + basic() + " --by id B1200003 --print page.txt");
  EXPECT_EQ(r.status, 0) << r.err;
}

}  // namespace
}  // namespace kv884

// The kv884-query program itself: its exit status and standard error, which holds only the
// messages (it is no terminal here); printing into PDF files through the module beside it, read
// back with pdfinfo, pdftotext and pdffonts.

#include <gtest/gtest.h>
#include <regex.h>
#include <sys/stat.h>
#include <unicode/uvernum.h>

#include <algorithm>
#include <sstream>

#include "cli/spilled_lines.hpp"
#include "support/command.hpp"
#include "support/fixture_set.hpp"
#include "support/full_disc.hpp"

namespace kv884::test {
namespace {

// Where the first match of the extended regular expression pattern in text from `from` ends, or
// npos.
size_t matchEnd(const std::string& text, size_t from, const std::string& pattern) {
  regex_t compiled;
  if (::regcomp(&compiled, pattern.c_str(), REG_EXTENDED | REG_NEWLINE) != 0)
    return std::string::npos;
  regmatch_t match;
  const bool found = ::regexec(&compiled, text.c_str() + from, 1, &match, 0) == 0;
  ::regfree(&compiled);
  return found ? from + static_cast<size_t>(match.rm_eo) : std::string::npos;
}

// Standard streams as a shell leaves them: output that cannot be written is a message and 2,
// --help included; a closed standard input is never mistaken for a data file, and - then is
// refused; a script or a key file comes in one pass from a pipe, a named pipe or process
// substitution; a failure that escapes the command is one message and 2, the name collation that
// cannot be opened (its library in the way) its own message and 69, never a workbook's failure; a
// copy of the program away from the PDF module says so when it prints, and writes no file.
TEST(QueryProgram, StandardStreamsAreCheckedAndScriptsComeFromPipes) {
  FixtureSet set;
  const fs::path& temp = set.temp.path();
  ASSERT_EQ(::mkfifo((temp / "fifo").c_str(), 0600), 0);
  const std::string query = shellQuote(KV884_QUERY_BIN) + " " + shellQuote(set.folder) + " ";
  const std::string full = "標準輸出無法寫入：61 磁碟已滿\n";
  const std::string closed =
      "kv884-query: - reads standard input, which is closed (--help shows the usage)\n";
  // In the full disc's folder, leaving nothing beside the file that fills it.
  const std::string onFullDisc = "cd full && " + query,
                    leftNothing = "; s=$?; [ \"$(ls -A)\" = fill ] && exit $s";
  FullDisc disc(temp / "full");
  const struct {
    std::string script;  // run by bash in temp
    int status;
    std::string err;  // the whole of standard error
    std::ptrdiff_t lines;
    bool fullDisc{false};
  } kCases[] = {
      {query + "--by id B12 >/dev/full", 2, "kv884-query: " + full, 0},
      {query + "--help >/dev/full", 2, "kv884-query: " + full, 0},
      {KV884_CHECK_BIN " " + shellQuote(set.folder) + " >/dev/full", 2, "kv884-check: " + full, 0},
      {query + "--replay - <&-", 64, closed, 0},
      {query + "--by id --keys - <&-", 64, closed, 0},
      {query + "--replay <(printf 'search\\n')", 0, "", 2},
      {query + "--by id --keys <(printf 'Y25\\n')", 0, "", 1},
      {"mkdir icu && : >icu/libicui18n.so." U_ICU_VERSION_SHORT " && LD_LIBRARY_PATH=icu " + query +
           "--by name --export o.xlsx",
       69,
       "kv884-query: 無法開啟中文戶名的排序規則：zh-Hant-TW-u-kr-latn-hani-ks-level2: "
       "U_MISSING_RESOURCE_ERROR\n",
       0},
      {"cp " KV884_QUERY_BIN " . && ./kv884-query " + shellQuote(set.folder) +
           " --by id B12 --print p.pdf; s=$?; test ! -e p.pdf && exit $s",
       2,
       "MSG_1_09:列印失敗 !\n無法載入 PDF 列印模組 (" + temp.string() +
           "/kv884-pdf.so: cannot open shared object file: No such file or directory)\n",
       1},
      {"printf 'Y25\\n' | " + query + "--by id --keys /dev/stdin", 0, "", 1},
      {"{ printf 'Y25\\n' >fifo & } && " + query + "--by id --keys fifo", 0, "", 1},
      // A path the host cannot follow, where the key file is opened.
      {"ln -s loop loop && " + query + "--by id --keys loop/k", 64,
       "kv884-query: cannot read loop/k: 52 錯誤的檔案名稱或數目 (--help shows the usage)\n", 0},
      // The workbook and the PDF, written by libraries, fail as the CSV file does: the program's
      // message, nothing of the library's.
      {onFullDisc + "--export o.xlsx >/dev/null" + leftNothing, 2,
       "kv884-query: o.xlsx 無法寫入：61 磁碟已滿\nkv884-query: 匯出中止：暫存檔寫入 30 "
       "位持有人後已刪除，o.xlsx 保持原狀\n",
       0, true},
#ifdef KV884_PDF_MODULE
      {onFullDisc + "--report --print o.pdf >/dev/null" + leftNothing, 2,
       "kv884-query: could not write o.pdf\n", 0, true},
#endif
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.script);
    if (c.fullDisc && !disc.mounted()) continue;  // no right to mount a file system here
    CommandResult r = runCommand("bash -c " + shellQuote(c.script), {}, 20, temp);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(std::ranges::count(r.out, '\n'), c.lines);
  }
}

// A batch's lines wait in the temporary file until the disc under it fills, and in memory after;
// they come back whole, in the key file's order.
TEST(SpilledLines, ComeBackInOrderWhenTheDiscFillsUnderThem) {
  TempFolder temp;
  FullDisc disc(temp.path(), false);
  if (!disc.mounted()) GTEST_SKIP() << "no right to mount a file system here";
  ::setenv("TMPDIR", temp.path().c_str(), 1);
  SpilledLines lines;
  ::unsetenv("TMPDIR");
  constexpr size_t kLines = 2000;  // 200,000 bytes, more than a write of the file
  lines.startRound(kLines);
  std::string expected;
  for (size_t i = 0; i < kLines; ++i) {
    if (i == kLines / 2) disc.fill();
    lines.put(kLines - 1 - i, std::string(99, static_cast<char>('a' + i % 26)));
    expected.insert(0, std::string(99, static_cast<char>('a' + i % 26)) + "\n");
  }
  std::ostringstream out;
  lines.writeInOrder(out);
  EXPECT_EQ(out.str(), expected);
}

// The first pattern that does not follow the ones before it in text ("": none).
std::string firstOutOfOrder(const std::string& text, const std::vector<std::string>& patterns) {
  size_t from = 0;
  for (const std::string& pattern : patterns)
    if ((from = matchEnd(text, from, pattern)) == std::string::npos) return pattern;
  return "";
}

TEST(QueryProgram, PrintsPagesWithEveryLineInOrderInAnEmbeddedTwSung) {
#ifndef KV884_PDF_MODULE
  GTEST_SKIP() << "this build has no PDF module (no Qt)";
#endif
  FixtureSet set;
  std::string report;
  std::vector<std::string> reportLines{"鴻澤證券登錄託存處-帳簿劃撥配發筆數"};
  for (int i = 100; i < 400; ++i) {  // 300 lines of 12 points do not fit on three A4 pages
    report += "\r\nline " + std::to_string(i);
    reportLines.push_back("line " + std::to_string(i));
  }
  writeFile(set.countReport(), report);
  struct Case {
    std::string mode;
    std::string pages;  // what pdfinfo says
    std::vector<std::string> lines;
  };
  const Case kCases[] = {
      // Each page's texts and places are the Qt printer's (PagesStandWhereTheWin32PagesAreHeldTo).
      {"--by id B1200003", "Pages: +3\n", {"戶號 +: +0000100302", "戶號 +: +0000100303"}},
      {"--report", "Pages: +([4-9]|[0-9][0-9])\n", reportLines},
  };
  const std::string pdf = shellQuote((set.temp.path() / "p.pdf").string());
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.mode);
    CommandResult r = runCommand(shellQuote(KV884_QUERY_BIN) + " " + shellQuote(set.folder) + " " +
                                 c.mode + " --print " + pdf);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");  // standard error is for messages only, not for the toolkit's notes
    EXPECT_NE(matchEnd(runCommand("pdfinfo " + pdf).out, 0, c.pages), std::string::npos);
    EXPECT_EQ(firstOutOfOrder(runCommand("pdftotext -layout " + pdf + " -").out, c.lines), "");
    // Columns: name, type, encoding, emb, sub, uni, object, ID.
    EXPECT_NE(matchEnd(runCommand("pdffonts " + pdf).out, 0,
                       "TW-Sung.* yes +(yes|no) +(yes|no) +[0-9]+ +[0-9]+\n"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace kv884::test

// kv884-query's outcomes, in this process: each class with its exit status, its lines on
// standard output and what it says on standard error (and only there, and on a terminal only,
// the progress of long runs); the two forms of a screen; and the real program's status and
// standard error, which is no terminal there.

#include <gtest/gtest.h>

#include "cli/query_run.hpp"
#include "support/command.hpp"
#include "support/fixture_set.hpp"

namespace kv884::test {
namespace {

// text with every "%t" replaced by folder.
std::string within(const fs::path& folder, std::string text) {
  for (size_t at; (at = text.find("%t")) != std::string::npos;)
    text.replace(at, 2, folder.string());
  return text;
}

size_t filesUnder(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::recursive_directory_iterator(folder), {}));
}

TEST(QueryOutcome, EachHasItsStatusLinesAndStandardError) {
  struct Case {
    int status;
    size_t lines;
    std::string err;   // what standard error holds ("": nothing)
    std::string args;  // split at blanks; %t: a temporary folder, the basic set in %t/basic
    std::string input{};
    bool terminal{false};
  };
  std::string manyKeys;
  for (int i = 0; i < 5001; ++i) manyKeys += "B12\n";
  const Case kCases[] = {
      {0, 3, "", "%t/basic --by account --limit 3 --json"},
      {0, 30, "", "%t/basic --by holder"},  // to where 次筆 is withdrawn
      {1, 0, "MSG_1_02:無符合資料 !\n", "%t/basic --by id ~~"},
      {2, 0, "MSG_0_17 ", "%t --replay -", "search\n"},
      {2, 1, "MSG_1_09:列印失敗 !\n", "%t/basic --by id B12 --print %t/no/p"},
      {2, 0, "kv884-query: %t/no/o.csv 無法寫入：76 找不到路徑\n", "%t/basic --export %t/no/o.csv"},
      {64, 0, "KEY has more than 12", "%t/basic --by id 1234567890123"},
      {64, 0, "--limit: Value 0", "%t/basic --by id A --limit 0"},
      {64, 0, "nobody not in", "%t/basic --by nobody A"},
      {64, 0, "not expected: --bogus", "%t/basic --by id A --bogus"},
      {64, 0, "give one of", "%t/basic"},
      {64, 0, "line 4 of", "%t/basic --replay -", "# comment\nsearch\n\njump\n"},
      {64, 0, "--keys needs --by", "%t/basic --keys -"},
      {64, 0, "KEY and --limit go", "%t/basic --by id A --keys -"},
      {64, 0, "cannot read %t/none", "%t/basic --by id --keys %t/none"},
      {64, 0, "--keys and --export", "%t/basic --by id --keys - --export %t/o.csv"},
      {64, 0, "--json does not go", "%t/basic --export %t/o.csv --json"},
      {64, 0, "must end in .csv or .xlsx", "%t/basic --export %t/o.txt"},
      {64, 0, "%t/basic/o.csv lies in the", "%t/basic --export %t/basic/o.csv"},
      {64, 0, "%t/basic/NTR/o.csv lies", "%t/basic --export %t/basic/NTR/o.csv"},
      {64, 0, "%t/link/ntridx/o.xlsx lies", "%t/basic --export %t/link/ntridx/o.xlsx"},
      {0, 0, "已處理 30 / 30 位持有人", "%t/basic --export %t/o.csv", "", true},
      {0, 5001, "已處理 5,001 筆查詢資料", "%t/basic --by id --keys -", manyKeys, true},
      {0, 1, "", "%t/basic --by id --keys -", "B12\n", true},
  };
  FixtureSet set;
  fs::create_directory_symlink(set.folder, set.temp.path() / "link");
  for (const Case& c : kCases) {
    std::vector<std::string> args;
    std::istringstream words(within(set.temp.path(), c.args));
    for (std::string word; words >> word;) args.push_back(word);
    SCOPED_TRACE(testing::PrintToString(args));
    QueryRun r = queryInProcess(args, c.input, c.terminal);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(linesOf(r.out).size(), c.lines);
    if (c.err.empty())
      EXPECT_EQ(r.err, "");
    else
      EXPECT_NE(r.err.find(within(set.temp.path(), c.err)), std::string::npos) << r.err;
  }
  EXPECT_EQ(filesUnder(set.folder), filesUnder(fixturePath("basic")));
}

TEST(QueryOutcome, AScreenIsOneLineOfTabbedTextOrOneJsonObject) {
  const std::pair<bool, const char*> kCases[] = {
      {false,
       "2330    群星水泥\tD\t20150115\t0000100301\t張國華                \tB120000301\t＊\t"
       "53800012345\t15,000.00\t0.00\t0\t \tN\t0001 0001 0001 \n"},
      {true,
       "{\"security\":\"2330    群星水泥\",\"allotment_type\":\"D\",\"data_date\":\"20150115\","
       "\"holder_no\":\"0000100301\",\"holder_name\":\"張國華                \",\"id_no\":"
       "\"B120000301\",\"id_mark\":\"＊\",\"account_no\":\"53800012345\",\"transfer_shares\":"
       "\"15,000.00\",\"collateral_shares\":\"0.00\",\"collateral_count\":\"0\","
       "\"data_category\":\" \",\"per_holder\":\"N\",\"ring\":\"0001 0001 0001 \"}\n"},
  };
  for (const auto& [json, screen] : kCases) {
    std::vector<std::string> args{fixturePath("basic"), "--by", "id", "b1200003", "--limit", "1"};
    if (json) args.push_back("--json");
    EXPECT_EQ(queryInProcess(args).out, screen);
  }
}

// A record that cannot be read stops an export: the program's status is 2, its standard error
// the message and the export's end, without a progress line, and the old file stays.
TEST(QueryProgram, ExitsWithTheStatusAndWritesOnlyMessagesToStandardError) {
  FixtureSet set;
  set.setDetailField(2, DetailRecord::kDataRecNo, "000999");  // the first in 統一編號 order
  const fs::path file = set.temp.path() / "o.csv";
  writeFile(file, "old");
  CommandResult r = runQuery({set.folder.string(), "--export", file.string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "MSG_1_08:資料讀取錯誤 !\n63\n錯誤的記錄編號\nkv884-query: 匯出中止：暫存檔寫入 0 "
            "位持有人後已刪除，" +
                file.string() + " 保持原狀\n");
  EXPECT_EQ(readFile(file), "old");
}

}  // namespace
}  // namespace kv884::test

// kv884-query --keys: every line of a key file answered in the file's order, though searched in
// key order: a key that finds a holder by the screen its single look-up shows, every other line
// by its number, key, message and status; the run's status the worst of 2, 1 and 0.

#include <gtest/gtest.h>

#include "cli/query_run.hpp"
#include "support/fixture_set.hpp"

namespace kv884::test {
namespace {

TEST(BatchLookUp, AnswersEveryLineInTheFilesOrder) {
  struct Case {
    std::string kind;
    bool json;
    std::string keys;
    std::vector<std::string> answers;  // "=KEY": the screen of a single look-up of KEY
    int status;
  };
  const Case kCases[] = {
      {"id",
       false,
       "\xEF\xBB\xBF"
       "Y25\r\nC11\n\n \t\nB12000030123\xE5\n\xFF\xFEZ\nB120000301234\n~~",
       {"=Y25", "=C11", "3\t\t第 3 行是空白行，沒有查詢資料\t64",
        "4\t \t\t第 4 行是空白行，沒有查詢資料\t64",
        "5\tB12000030123\uFFFD\t第 5 行不是 UTF-8 文字\t64",
        "6\t\uFFFD\uFFFDZ\t第 6 行不是 UTF-8 文字\t64",
        "7\tB120000301234\t第 7 行的查詢資料超過 12 個字，查詢資料欄容不下\t64",
        "8\t~~\tMSG_1_02:無符合資料 !\t1"},
       1},
      {"holder",
       true,
       "0000100301\n~~\n0000100302\n",
       {"{\"line\":1,\"key\":\"0000100301\",\"message\":\"MSG_1_08:資料讀取錯誤 "
        "!\\r\\n63\\r\\n錯誤的記錄編號\",\"exit\":2}",
        "{\"line\":2,\"key\":\"~~\",\"message\":\"MSG_1_02:無符合資料 !\",\"exit\":1}",
        "=0000100302"},
       2},
      {"id", false, "", {}, 0},
  };
  FixtureSet set;
  set.setDetailField(1, DetailRecord::kDataRecNo, "000999");  // 0000100301's record
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.kind + " " + c.keys);
    std::vector<std::string> args{set.folder, "--by", c.kind, "--keys", "-"};
    if (c.json) args.push_back("--json");
    QueryRun batch = queryInProcess(args, c.keys);
    EXPECT_EQ(batch.status, c.status);
    EXPECT_EQ(batch.err, "");
    std::vector<std::string> answers = c.answers;
    for (std::string& answer : answers) {
      if (answer[0] != '=') continue;
      args = {set.folder, "--by", c.kind, answer.substr(1), "--limit", "1"};
      if (c.json) args.push_back("--json");
      answer = linesOf(queryInProcess(args).out).at(0);
    }
    EXPECT_EQ(linesOf(batch.out), answers);
  }
}

}  // namespace
}  // namespace kv884::test

// kv884-check run in-process: its exit statuses, the report of the sound basic set (the counts
// of other layouts are checked on the sets kv884-mkset makes), and damages to copies of the basic
// fixture (30 holders), each found under its class and key kind with the records, page and entry
// that lead to it, in text and in JSON.

#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "check/check_command.hpp"
#include "support/command.hpp"
#include "support/fixture_set.hpp"

namespace kv884::test {
namespace {

CommandResult runCheck(const std::vector<std::string>& args) {
  return runInProcess(runCheckCommand, args);
}

TEST(CheckCommand, StatusZeroForSoundSetsTwoWhenTheSetCannotOpenSixtyFourForBadUsage) {
  TempFolder temp;
  const std::string basic = fixturePath("basic").string();
  const std::string none = (temp.path() / "none").string();
  const std::string empty = copyFixture("basic", temp.path()).string();
  std::filesystem::resize_file(empty + "/ntridx/7701idxd.sin", 0);
  std::string basicReport = "資料檢查：" + basic +
                            "\n證券代號 7701\n資料記錄 30 筆\n明細索引記錄 30 筆\n"
                            "索引頁 24 頁，其中葉頁 20 頁\n";
  for (const char* kind : {"統一編號", "帳號", "戶號", "中文戶名"})
    basicReport += std::string(kind) + "：根頁使用 5 項，葉頁 5 頁，葉頁項目 20 項，鏈結 30 筆\n";
  const std::string sound =
      "長度不是記錄長度倍數的檔案：無\n結果：正常，每位持有人皆可依統一編號、帳號、戶號及中文戶名查"
      "得\n";
  for (const auto& [args, status, out, err] :
       std::vector<std::tuple<std::vector<std::string>, int, std::string, std::string>>{
           {{basic}, 0, basicReport + sound, ""},
           {{none},
            2,
            "",
            "MSG_0_17 " + none + shownHere("/ntridx/security.txt") +
                " 開檔錯誤 !\n76\n找不到路徑\n"},
           {{empty, "--json"}, 2, "", "MSG_0_02 資料燒錄錯誤 !\n"},
           {{}, 64, "", "kv884-check: FOLDER is required"},
           {{basic, "--verbose"}, 64, "", "not expected: --verbose"}}) {
    SCOPED_TRACE(args.empty() ? "" : args.back());
    CommandResult run = runCheck(args);
    EXPECT_EQ(run.status, status);
    EXPECT_TRUE(status == 2 ? run.out.empty() : run.out.find(out) != std::string::npos) << run.out;
    EXPECT_TRUE(status == 64 ? run.err.find(err) != std::string::npos : run.err == err) << run.err;
  }
}

// Chains of the basic fixture, from the records its first leaf entries name:
//   統一編號 2 25 21 27 8 28 26 1 6 9 29 3 15 10 17 20 30 23 5 18 13 ...
//   帳號     3 14 15 1 6 29 9 21 23 24 12 20 25 11 18 4 16 8 30 27 13 ...
//   戶號     1 6 9 4 20 3 5 14 21 18 26 19 8 12 30 17 16 28 24 13 25 10 15 29 23 22 7 11 2 27
//   中文戶名 23 30 24 15 3 26 27 17 13 25 20 ...
// Root pages: 1 統一編號, 2 帳號, 3 中文戶名, 4 戶號, each naming five leaf pages of four entries.
using Damage = std::function<void(const FixtureSet&)>;

TEST(CheckDamage, EachDamageIsFoundUnderItsClassWithTheRecordsThatLeadToIt) {
  const struct {
    Damage damage;
    int problems;
    std::vector<std::string> found;
  } cases[] = {
      {[](const FixtureSet& s) { s.setDetailField(29, DetailRecord::kNextById, "000028"); },
       33,
       {"【鏈結成環】統一編號 1 項\n  明細記錄 29、28：明細記錄 29 的後續記錄 28 已經走過\n"
        "【鏈結走不到的明細記錄】統一編號 19 項\n  明細記錄 3\n",
        "【索引頁指向錯誤】統一編號 13 項\n"
        "  明細記錄 3，索引頁 6 第 4 項：指向明細記錄 3，由第一筆記錄起的鏈結走不到\n"}},
      {[](const FixtureSet& s) {  // ... 16 8 30 27 ... becomes ... 16 30 8 27 ...
         s.setDetailField(16, DetailRecord::kNextByAccount, "000030");
         s.setDetailField(30, DetailRecord::kNextByAccount, "000008");
         s.setDetailField(8, DetailRecord::kNextByAccount, "000027");
       },
       3,
       {"【鏈結順序錯誤】帳號 1 項\n  明細記錄 30、8：「98000003332」排在「70008562691」之前\n",
        "  明細記錄 30，索引頁 17 第 3 項：鍵值「70008261810 」與其串列最後一筆（明細記錄 "
        "30）的「98000003332 」不同\n",
        "  明細記錄 30、8，索引頁 14 第 1 項：指向明細記錄 30，在前一項目所指的明細記錄 8 之前\n"}},
      {[](const FixtureSet& s) { s.setDetailField(19, DetailRecord::kNextByHolderNo, "000012"); },
       3,
       {"【鏈結走不到的明細記錄】戶號 1 項\n  明細記錄 8\n【索引頁指向錯誤】戶號 1 項\n"
        "  明細記錄 8，索引頁 11 第 1 項：指向明細記錄 8，由第一筆記錄起的鏈結走不到\n"
        "【依鍵值查詢找不到】戶號 1 項\n  明細記錄 12、8，索引頁 11 第 1 項："
        "依鍵值「0003846940」查詢時由明細記錄 8 開始，走不到本記錄\n"}},
      {[](const FixtureSet& s) {  // above every leaf key, in its data record too
         s.setDetailField(27, DetailRecord::kHolderNoKey, "ZZZZZZZZZZ");
         s.setHolderField(17, HolderRecord::kHolderNo, "ZZZZZZZZZZ");
       },
       2,
       {"【依鍵值查詢找不到】戶號 1 項\n  明細記錄 27：鍵值「ZZZZZZZZZZ」大於所有葉頁鍵值\n"}},
      {[](const FixtureSet& s) {  // a root entry naming a root page
         s.setEntryKey(2, 2, 6, "ZZZZZZZZZZZZ");
         s.setEntryNumber(2, 2, 6, "000002");
       },
       1,
       {"帳號：根頁使用 6 項，葉頁 5 頁",
        "【索引頁指向錯誤】帳號 1 項\n  索引頁 2 第 6 項：指向索引頁 2，不是葉頁\n"}},
      {[](const FixtureSet& s) { s.setDetailField(15, DetailRecord::kNextByName, "000031"); },
       44,
       {"中文戶名：根頁使用 5 項，葉頁 5 頁，葉頁項目 20 項，鏈結 4 筆\n",
        "【後續記錄編號超出範圍】中文戶名 1 項\n  明細記錄 15：後續記錄編號為 31\n"
        "【鏈結走不到的明細記錄】中文戶名 26 項\n  明細記錄 1\n",
        "  另有 6 項未列出\n【索引頁指向錯誤】中文戶名 17 項\n"}},
      {[](const FixtureSet& s) {  // 21 names holder data record 1
         s.setDetailField(21, DetailRecord::kDataRecNo, "000000");
         s.setDetailField(7, DetailRecord::kDataRecNo, "000031");
       },
       4,
       {"【資料記錄編號超出範圍】2 項\n  明細記錄 7：DataRecNo 為「000031」\n  明細記錄 21："
        "DataRecNo 為「000000」\n【沒有明細記錄指向的資料記錄】2 項\n  資料記錄 1\n  資料記錄 "
        "22\n"}},
      // Each field the holder data and the detail index both hold.
      {[](const FixtureSet& s) { s.setHolderField(20, HolderRecord::kIdNo, "Z999999999"); },
       1,
       {"【索引鍵值與資料記錄不符】1 項\n  明細記錄 12，資料記錄 20：統一編號 "
        "索引為「U104448248」，資料記錄為「Z999999999」\n"}},
      {[](const FixtureSet& s) { s.setHolderField(20, HolderRecord::kAccountNo, "99999999999"); },
       1,
       {"資料記錄 20：帳號 索引為「60105021225」，資料記錄為「99999999999」\n"}},
      {[](const FixtureSet& s) { s.setHolderField(20, HolderRecord::kHolderNo, "9999999999"); },
       1,
       {"資料記錄 20：戶號 索引為「0003846940」，資料記錄為「9999999999」\n"}},
      {[](const FixtureSet& s) { fs::resize_file(s.detailIndex(), 29 * 153 + 100); },
       1,
       {shownHere("/ntridx/7701idxd.sin") + "：長度 4537 位元組，不是記錄長度 153 的倍數\n",
        "長度不是記錄長度倍數的檔案：\n  ",
        shownHere("/ntridx/7701idxd.sin") + "（4537 位元組）\n"}},
      // A leaf entry names the second record of its run: the search for the run's key starts
      // after the first, and the run before ends with it.
      {[](const FixtureSet& s) { s.setEntryNumber(1, 18, 3, "000008"); },
       2,
       {"【索引頁鍵值錯誤】統一編號 1 項\n  明細記錄 27，索引頁 18 第 2 項：鍵值「25091919    」"
        "與其串列最後一筆（明細記錄 27）的「27450018    」不同\n【依鍵值查詢找不到】統一編號 1 項\n"
        "  明細記錄 27、8，索引頁 18 第 3 項：依鍵值「27450018  」查詢時由明細記錄 8 開始，"}},
      // Leaf entry 2 takes entry 1's key: the search for its run's key starts at entry 3.
      {[](const FixtureSet& s) { s.setEntryKey(2, 16, 2, "11603399080 "); },
       2,
       {"【索引頁鍵值錯誤】帳號 1 項\n  明細記錄 15，索引頁 16 第 2 項：",
        "【依鍵值查詢找不到】帳號 1 項\n  明細記錄 15、1，索引頁 16 第 3 項："}},
      // A root entry below the one before it and below its leaf's last key.
      {[](const FixtureSet& s) { s.setEntryKey(3, 4, 2, "0000000000  "); },
       2,
       {"【索引頁項目順序錯誤】戶號 1 項\n  索引頁 4 第 2 項：鍵值「0000000000  」小於前一項目的"
        "「0000809764  」\n【索引頁鍵值錯誤】戶號 1 項\n  索引頁 4 第 2 項：根頁鍵值"
        "「0000000000  」與葉頁 23 最後一項的「0003243294  」不同\n"}},
      {[](const FixtureSet& s) { s.setEntryNumber(3, 10, 3, "000009"); },
       1,
       {"【索引頁指向錯誤】戶號 1 項\n  明細記錄 9，索引頁 10 第 3 項：與索引頁 10 第 2 "
        "項指向同一筆明細記錄\n"}},
      {[](const FixtureSet& s) { s.setDetailField(17, DetailRecord::kNextByName, "ABCDEF"); },
       38,
       {"【後續記錄編號超出範圍】中文戶名 1 項\n  明細記錄 17：後續記錄編號「ABCDEF」不是數字\n"
        "【鏈結走不到的明細記錄】中文戶名 22 項\n"}},
  };
  for (const auto& c : cases) {
    FixtureSet set;
    c.damage(set);
    const CommandResult run = runCheck({set.folder.string()});
    EXPECT_EQ(run.status, 1) << c.found[0];
    EXPECT_NE(run.out.find("結果：發現 " + std::to_string(c.problems) + " 項問題\n"),
              std::string::npos)
        << run.out;
    for (const std::string& part : c.found)
      EXPECT_NE(run.out.find(part), std::string::npos) << part << "\nin\n" << run.out;
  }
}

// The report as JSON: the counts (each kind's are read by the mkset round trip), and the groups
// in the order of their classes; a number that does not apply is null. A used root entry after an
// empty one.
TEST(CheckDamage, TheJsonReportHoldsTheCountsAndTheProblems) {
  FixtureSet set;
  fs::resize_file(set.detailIndex(), 29 * 153 + 100);
  set.setHolderField(20, HolderRecord::kIdNo, "Z999999999");
  set.setEntryNumber(4, 3, 7, "000005");
  const CommandResult run = runCheck({set.folder.string(), "--json"});
  EXPECT_EQ(run.status, 1);
  const auto report = nlohmann::json::parse(run.out);
  EXPECT_EQ(report["files"]["detail_index"]["length"], 4537);
  EXPECT_EQ(report["files"]["detail_index"]["whole_records"], false);
  EXPECT_EQ(report["problem_count"], 3);
  const auto& problems = report["problems"];
  EXPECT_EQ(
      nlohmann::json::array({problems[0]["class"], problems[1]["class"], problems[2]["class"]}),
      nlohmann::json::array({"file_length", "page_order", "key_mismatch"}));
  EXPECT_EQ(problems[1]["shown"][0],
            nlohmann::json::parse(R"({"detail_records":[],)"
                                  R"("holder_records":[],"page":3,"entry":7,)"
                                  R"("note":"空白項目之後仍有使用中的項目"})"));
  EXPECT_TRUE(problems[2]["kind"].is_null() && problems[2]["shown"][0]["page"].is_null());
  EXPECT_EQ(problems[2]["shown"][0]["holder_records"], nlohmann::json::array({20}));
}

}  // namespace
}  // namespace kv884::test

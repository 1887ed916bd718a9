// kv884-check as a command: its exit statuses, the opening messages on standard error, and the
// report of the sound fixture sets from an independent producer.

#include "check/check_command.hpp"

#include <gtest/gtest.h>

#include "check/data_set_editor.hpp"

namespace kv884::test {
namespace {

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
           {{fixturePath("wide").string()},  // runs of two
            0,
            "中文戶名：根頁使用 17 項，葉頁 17 頁，葉頁項目 150 項，鏈結 300 筆\n" + sound,
            ""},
           {{none},
            2,
            "",
            "MSG_0_17 " + none + "\\ntridx\\security.txt 開檔錯誤 !\n76\n找不到路徑\n"},
           {{empty, "--json"}, 2, "", "MSG_0_02 資料燒錄錯誤 !\n"},
           {{}, 64, "", ""},
           {{basic, "--verbose"}, 64, "", ""},
           {{basic, "second"}, 64, "", ""}}) {
    SCOPED_TRACE(args.empty() ? "" : args.back());
    CheckRun run = runCheck(args);
    EXPECT_EQ(run.status, status);
    EXPECT_TRUE(status == 2 ? run.out.empty() : run.out.find(out) != std::string::npos) << run.out;
    EXPECT_EQ(status == 64 ? err : run.err, err);
  }
}

}  // namespace
}  // namespace kv884::test

// kv884-check as a program: its exit statuses, the opening messages on standard error, and the
// two report forms on standard output.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "check/data_set_editor.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

struct CheckRun {
  int status;
  std::string out;
  std::string err;
};

CheckRun runCheck(const std::string& arguments) {
  TempFolder temp;
  fs::path out = temp.path() / "out", err = temp.path() / "err";
  std::string command = std::string(KV884_BUILD_DIR) + "/src/check/kv884-check " + arguments +
                        " > " + out.string() + " 2> " + err.string();
  int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
}

std::string quotedPath(const fs::path& path) {
  return "'" + path.string() + "'";
}

TEST(CheckCommand, SoundSetExitsZeroWithTheVerdictInText) {
  CheckRun run = runCheck(quotedPath(fixturePath("basic")));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("資料檢查：" + fixturePath("basic").string() + "\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("統一編號：根頁使用 5 項，葉頁 5 頁"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("結果：正常"), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "");
}

TEST(CheckCommand, DamagedSetExitsOneAndListsTheProblemsInTextAndJson) {
  TempFolder temp;
  fs::path set = copyFixture("basic", temp.path());
  DataSetEditor edit(set, "7701");
  std::vector<int64_t> chain = edit.chain(4);
  edit.setSuccessor(4, chain[20], chain[2]);

  CheckRun text = runCheck(quotedPath(set));
  EXPECT_EQ(text.status, 1);
  std::string cycle = "【鏈結成環】中文戶名 1 項\n  明細記錄 " + std::to_string(chain[20]) + "、" +
                      std::to_string(chain[2]) + "：";
  EXPECT_NE(text.out.find(cycle), std::string::npos) << text.out;

  CheckRun json = runCheck(quotedPath(set) + " --json");
  EXPECT_EQ(json.status, 1);
  nlohmann::json report = nlohmann::json::parse(json.out);
  EXPECT_EQ(report["sound"], false);
  const nlohmann::json& problems = report["problems"];
  auto group = std::find_if(problems.begin(), problems.end(),
                            [](const nlohmann::json& group) { return group["class"] == "cycle"; });
  ASSERT_NE(group, problems.end()) << json.out;
  EXPECT_EQ((*group)["label"], "鏈結成環");
  EXPECT_EQ((*group)["kind"], 4);
  EXPECT_EQ((*group)["count"], 1);
  EXPECT_EQ((*group)["shown"][0]["detail_records"], nlohmann::json({chain[20], chain[2]}));
}

TEST(CheckCommand, SetThatCannotBeOpenedExitsTwoWithTheOpeningMessage) {
  TempFolder temp;
  CheckRun missing = runCheck(quotedPath(temp.path() / "nothing"));
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
  std::string firstLine =
      "MSG_0_17 " + (temp.path() / "nothing").string() + "\\ntridx\\security.txt 開檔錯誤 !\n";
  EXPECT_EQ(missing.err.rfind(firstLine, 0), 0u) << missing.err;
  EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 3);

  fs::path set = copyFixture("basic", temp.path());
  fs::resize_file(set / "ntridx" / "7701idxd.sin", 0);
  CheckRun empty = runCheck(quotedPath(set));
  EXPECT_EQ(empty.status, 2);
  EXPECT_EQ(empty.err, "MSG_0_02 資料燒錄錯誤 !\n");
}

TEST(CheckCommand, BadUsageExits64) {
  EXPECT_EQ(runCheck("").status, 64);
  EXPECT_EQ(runCheck(quotedPath(fixturePath("basic")) + " --verbose").status, 64);
  EXPECT_EQ(runCheck(quotedPath(fixturePath("basic")) + " second").status, 64);
  EXPECT_EQ(runCheck("--json").status, 64);
}

}  // namespace
}  // namespace kv884::test

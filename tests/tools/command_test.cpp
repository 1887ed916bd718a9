// The kv884-mkset command line.

#include <gtest/gtest.h>

#include <sstream>

#include "check/data_set_editor.hpp"
#include "mkset/mkset_command.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

using mkset::runMkset;
using test::TempFolder;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome run(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = runMkset(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CommandTest, HelpListsEveryColumn) {
  Outcome r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* column :
       {"account_no", "id_no", "transfer_shares", "forced_posting_flag", "data_category",
        "security_code", "allotment_type", "holder_no", "per_holder_flag", "holder_name",
        "collateral_shares", "collateral_count"})
    EXPECT_NE(r.out.find(column), std::string::npos) << column;
}

TEST(CommandTest, BadUsageExitsWith64) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--synthetic", "5", "--code", "1"},
           {"out", "--code", "1"},
           {"out", "--synthetic", "5", "--csv", "x.csv", "--code", "1"},
           {"out", "--synthetic", "5"},
           {"out", "--synthetic", "0", "--code", "1"},
           {"out", "--synthetic", "1000000", "--code", "1"},
           {"out", "--synthetic", "5", "--code", "1", "--runs-per-page", "101"},
           {"out", "--synthetic", "5", "--code", "1", "--run-length", "x"},
           {"out", "--synthetic", "5", "--code", "1", "--colour"},
           {"out", "other", "--synthetic", "5", "--code", "1"},
           {"out", "--synthetic", "5", "--code"}}) {
    Outcome r = run(args);
    EXPECT_EQ(r.status, 64) << args.back();
    EXPECT_EQ(r.err.rfind("kv884-mkset: ", 0), 0u) << r.err;
  }
}

TEST(CommandTest, SyntheticSetChecksSoundWithTheGivenPageSize) {
  TempFolder temp;
  Outcome r = run({temp.path().string(), "--synthetic", "50", "--code", "3301", "--name", "示範",
                   "--date", "1", "--runs-per-page", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  CheckReport report = test::checkFolder(temp.path());
  EXPECT_TRUE(report.sound()) << test::describe(report);
  for (const KindCounts& k : report.kinds) EXPECT_EQ(k.leafPages, 17);  // 50 runs of one
}

// A run length that does not fit and bad CSV input fail with a message and write nothing.
TEST(CommandTest, BuildErrorsExitWith1AndWriteNothing) {
  TempFolder temp;
  test::writeFile(temp.path() / "h.csv", "id_no,holder_name\nA123456789,陳志明\nA1234567890,王\n");
  std::string set = (temp.path() / "set").string();
  for (auto [args, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{set, "--synthetic", "300", "--code", "3301", "--run-length", "1", "--runs-per-page",
             "2"},
            "run length of 1 cannot hold 300 holders"},
           {{set, "--synthetic", "201", "--code", "3301", "--run-length", "1", "--runs-per-page",
             "2"},
            "smallest run length that fits is 2"},
           {{set, "--csv", (temp.path() / "h.csv").string(), "--code", "3301"},
            "line 3, column id_no"}}) {
    Outcome r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "set" / "ntr" / "3301.sin")) << message;
  }
}

TEST(CommandTest, WritesTheFiveFilesWithReportAndDescriptorItemsFromOptions) {
  TempFolder temp;
  test::writeFile(temp.path() / "r.txt", "ABC\nDEF");
  test::writeFile(temp.path() / "h.csv", "id_no\nA123456789\n");
  Outcome r = run({(temp.path() / "set").string(), "--csv", (temp.path() / "h.csv").string(),
                   "--code", "3301", "--name", "群星", "--date", "104/01/20", "--decimal-flag", "Y",
                   "--report", (temp.path() / "r.txt").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* file : {"ntr/3301.sin", "ntridx/3301idxp.sin", "ntridx/3301idxd.sin"})
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "set" / file)) << file;
  EXPECT_EQ(test::readFile(temp.path() / "set/ntr/3301.ptr"), "ABC\r\nDEF");
  EXPECT_EQ(test::readFile(temp.path() / "set/ntridx/security.txt"),
            "\"3301\",\"\xB8s\xACP\",\"104/01/20\",\"Y\"\r\n");
}

}  // namespace
}  // namespace kv884

// kv884-query's exit statuses and its messages on standard error, one case per failure class.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/command.hpp"
#include "support/json_value.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

CommandResult query(const fs::path& folder, const std::string& arguments,
                    const std::string& input = {}) {
  return runCommand(shellQuote(queryBinary()) + " " + shellQuote(folder.string()) + " " + arguments,
                    input);
}

TEST(QueryExitStatus, SuccessPrintsOneLinePerScreenUpToTheLimit) {
  CommandResult r = query(fixturePath("basic"), "--by account '' --limit 3 --json");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
  EXPECT_EQ(r.err, "");
  JsonValue first = parseJson(r.out.substr(0, r.out.find('\n')));
  EXPECT_EQ(first["ring"].text, "0001 0001 0001 ");
  EXPECT_EQ(first["data_date"].text, "20150115");
}

TEST(QueryExitStatus, WalkOfAWholeOrderStopsWhenNextIsWithdrawn) {
  CommandResult r = query(fixturePath("basic"), "--by holder --json");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 30);  // every holder once
}

TEST(QueryExitStatus, NoMatchIsOneWithTheMessageOnStandardError) {
  CommandResult r = query(fixturePath("basic"), "--by name 鬱");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "MSG_1_03:無符合資料 !\n");
}

TEST(QueryExitStatus, OpeningFailureIsTwoWithTheThreeLineMessage) {
  TempFolder temp;
  CommandResult r = query(temp.path(), "--by id A");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "MSG_0_17 " + temp.path().string() + "\\ntridx\\security.txt 開檔錯誤 !\n76\n" +
                       "找不到路徑\n");
}

TEST(QueryExitStatus, ReplayWhoseOpeningFailsPrintsNothing) {
  TempFolder temp;
  CommandResult r = query(temp.path(), "--replay -", "search\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("MSG_0_17 "), std::string::npos);
}

TEST(QueryExitStatus, UnreadableHolderRecordIsTwo) {
  TempFolder temp;
  fs::path set = copyFixture("basic", temp.path());
  fs::resize_file(set / "ntr" / "7701.sin", 122);  // only the first holder record remains
  CommandResult r = query(set, "--by holder --json");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.rfind("MSG_1_08:資料讀取錯誤 !\n63\n錯誤的記錄編號\n", 0), 0u) << r.err;
}

TEST(QueryExitStatus, MissingReportIsTwoWithMsg015) {
  TempFolder temp;
  fs::path set = copyFixture("basic", temp.path());
  fs::remove(set / "ntr" / "7701.ptr");
  CommandResult r = query(set, "--report");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "MSG_0_15 " + set.string() + "\\ntr\\7701.ptr 開檔錯誤 !\n53\n找不到檔案\n");
}

TEST(QueryExitStatus, BadUsageIsSixtyFour) {
  const fs::path basic = fixturePath("basic");
  for (const char* arguments :
       {"--by id 1234567890123", "--by id A --limit 0", "--by nobody A", "--by id A --bogus", ""}) {
    SCOPED_TRACE(arguments);
    CommandResult r = query(basic, arguments);
    EXPECT_EQ(r.status, 64);
    EXPECT_EQ(r.out, "");
  }
}

TEST(QueryExitStatus, ReplayLineThatIsNoActionNamesItsNumber) {
  CommandResult r = query(fixturePath("basic"), "--replay -", "# comment\nsearch\n\njump\n");
  EXPECT_EQ(r.status, 64);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("line 4"), std::string::npos) << r.err;
}

TEST(QueryReplay, ClosedWindowReportsDisabledUntilOpenedAgain) {
  CommandResult r = query(fixturePath("basic"), "--replay -", "close\nsearch\nopen\nopen\n");
  ASSERT_EQ(r.status, 0);
  std::vector<JsonValue> v;
  for (size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1)
    v.push_back(parseJson(r.out.substr(at, end - at)));
  ASSERT_EQ(v.size(), 5u);
  EXPECT_EQ(v[1]["boxes"].type, JsonValue::Type::Null);  // after close
  EXPECT_TRUE(v[2]["disabled"].boolean);                 // search on no window
  EXPECT_FALSE(v[3]["disabled"].boolean);                // open reloads it
  EXPECT_EQ(v[3]["boxes"]["tx_o_23"].text, "20150115");
  EXPECT_TRUE(v[4]["disabled"].boolean);  // the open button is disabled while it is loaded
}

}  // namespace
}  // namespace kv884::test

// Replays: the fixture sets' scripts give their expected lines (every screen, message and button
// state as an independent producer worked them out) on read-only copies, which are left as they
// were; the actions no fixture script uses; and the count report, shown and printed.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/query_run.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

TEST(FixtureReplay, EveryScriptGivesItsExpectedLinesAndTheSetIsNeverWritten) {
  TempFolder temp;
  int scripts = 0;
  for (const char* name : {"basic", "wide"}) {
    const fs::path fixture = fixturePath(name), set = copyFixture(name, temp.path());
    for (const auto& entry : fs::recursive_directory_iterator(set))
      if (entry.is_regular_file()) fs::permissions(entry.path(), fs::perms::owner_read);
    for (const auto& entry : fs::directory_iterator(set)) {
      if (entry.path().extension() != ".replay") continue;
      SCOPED_TRACE(entry.path().filename().string());
      ++scripts;
      QueryRun r = queryInProcess({set, "--replay", entry.path()});
      ASSERT_EQ(r.status, 0) << r.err;
      std::vector<std::string> got = linesOf(r.out);
      std::vector<std::string> expected =
          linesOf(readFile(fs::path(entry.path()).replace_extension(".expected.jsonl")));
      ASSERT_EQ(got.size(), expected.size());
      for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(nlohmann::json::parse(got[i]), nlohmann::json::parse(expected[i]))
            << "line " << i + 1 << "\n"
            << got[i] << "\n"
            << expected[i];
    }
    std::ptrdiff_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(set)) {
      ++files;
      const bool same =
          entry.is_directory() || readFile(entry) == readFile(fixture / fs::relative(entry, set));
      EXPECT_TRUE(same) << entry.path();
    }
    EXPECT_EQ(files, std::distance(fs::recursive_directory_iterator(fixture), {}));
  }
  EXPECT_EQ(scripts, 9);
}

// A print goes into the file named by the rest of the line, a page a press; without the window
// every action is disabled, and open is while the window is loaded.
TEST(Replay, PrintsIntoItsFileAndReportsWhatIsDisabled) {
  TempFolder temp;
  const std::string pages = (temp.path() / "a b.txt").string();
  const std::string script = "key B1200003\nsearch\nprint " + pages + "\nnext\nprint " + pages +
                             "\nprint " + (temp.path() / "no/c.txt").string() +
                             "\nclose\nsearch\nprint " + (temp.path() / "d.txt").string() +
                             "\nopen\nopen\n";
  QueryRun r = queryInProcess({fixturePath("basic"), "--replay", "-"}, script);
  ASSERT_EQ(r.status, 0);
  std::vector<nlohmann::json> lines;
  for (const std::string& line : linesOf(r.out)) lines.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(lines.size(), 12u);
  for (size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i]["disabled"], i == 8 || i == 9 || i == 11) << "line " << i + 1;
  EXPECT_EQ(lines[6]["messages"][0].get<std::string>().rfind("MSG_1_09:列印失敗 !\r\n", 0), 0u);
  EXPECT_TRUE(lines[7]["boxes"].is_null());
  EXPECT_EQ(lines[10]["boxes"]["tx_o_23"], "20150115");
  EXPECT_FALSE(fs::exists(temp.path() / "d.txt"));
  std::vector<std::string> printed = linesOf(readFile(pages));
  ASSERT_EQ(printed.size(), 2 * 23u + 1);
  EXPECT_EQ(printed[6], "　　　　　　　　　　戶號 : 0000100301");
  EXPECT_EQ(printed[23], "\f");
  EXPECT_EQ(printed[24 + 6], "　　　　　　　　　　戶號 : 0000100302");
}

TEST(FixtureReport, IsShownByteForByteAndPrintedIntoItsFile) {
  TempFolder temp;
  const fs::path file = temp.path() / "report.txt";
  QueryRun r = queryInProcess({fixturePath("basic"), "--report", "--print", file});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, readFile(fixturePath("basic") / "report.expected.txt"));
  EXPECT_NE(readFile(file).find("\n  一般配發            30       123,456\n"), std::string::npos);
}

}  // namespace
}  // namespace kv884::test

// kv884-query's exit statuses and its messages on standard error. The statuses 1 and 2 of no
// match, of a data set that does not open and of a record that cannot be read are checked with
// their exact messages over damaged data sets in tests/reliability.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/command.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

TEST(QueryExitStatus, EachOutcomeHasItsStatusLinesAndStandardError) {
  struct Case {
    std::vector<std::string> arguments;  // after the data folder
    std::string input;
    bool emptyFolder;  // an empty folder instead of the basic fixture: opening fails
    int status;
    size_t lines;
    std::string inError;  // standard error contains this ("": standard error is empty)
  };
  const Case kCases[] = {
      {{"--by", "account", "", "--limit", "3", "--json"}, "", false, 0, 3, ""},
      {{"--by", "holder", "--json"}, "", false, 0, 30, ""},  // stops when 次筆 is withdrawn
      {{"--replay", "-"}, "search\n", true, 2, 0, "MSG_0_17 "},
      {{"--by", "id", "1234567890123"}, "", false, 64, 0, "kv884-query"},
      {{"--by", "id", "A", "--limit", "0"}, "", false, 64, 0, "kv884-query"},
      {{"--by", "nobody", "A"}, "", false, 64, 0, "kv884-query"},
      {{"--by", "id", "A", "--bogus"}, "", false, 64, 0, "kv884-query"},
      {{}, "", false, 64, 0, "kv884-query"},
      {{"--replay", "-"}, "# comment\nsearch\n\njump\n", false, 64, 0, "line 4"},
  };
  TempFolder empty;
  for (const Case& c : kCases) {
    std::vector<std::string> arguments{(c.emptyFolder ? empty.path() : fixturePath("basic"))};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    SCOPED_TRACE(testing::PrintToString(arguments));
    CommandResult r = runQuery(arguments, c.input);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(lineCount(r.out), c.lines);
    if (c.inError.empty())
      EXPECT_EQ(r.err, "");
    else
      EXPECT_NE(r.err.find(c.inError), std::string::npos) << r.err;
  }
}

TEST(QueryReplay, ClosedWindowReportsDisabledUntilOpenedAgain) {
  CommandResult r =
      runQuery({fixturePath("basic"), "--replay", "-"}, "close\nsearch\nopen\nopen\n");
  ASSERT_EQ(r.status, 0);
  std::vector<nlohmann::json> v;
  for (size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1)
    v.push_back(nlohmann::json::parse(r.out.substr(at, end - at)));
  ASSERT_EQ(v.size(), 5u);
  EXPECT_TRUE(v[1]["boxes"].is_null());        // after close
  EXPECT_TRUE(v[2]["disabled"].get<bool>());   // search on no window
  EXPECT_FALSE(v[3]["disabled"].get<bool>());  // open reloads it
  EXPECT_EQ(v[3]["boxes"]["tx_o_23"], "20150115");
  EXPECT_TRUE(v[4]["disabled"].get<bool>());  // the open button is disabled while it is loaded
}

}  // namespace
}  // namespace kv884::test

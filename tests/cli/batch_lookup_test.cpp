// kv884-query --keys: every line of a key file gives, in the file's order, what a single look-up
// of its key gives (the screen, or the message and status of a key that finds nothing), on sound
// and damaged sets; lines that are no key are answered, never skipped.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <nlohmann/json.hpp>
#include <random>

#include "cli/query_run.hpp"
#include "platform/utf.hpp"
#include "support/record_patch.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

const char* const kKindName[5] = {"", "id", "account", "holder", "name"};
const char* const kKindField[5] = {"", "id_no", "account_no", "holder_no", "holder_name"};

// Keys for every holder of the set in one kind, as typed: its whole key field, the start of it
// and one between it and the next key; and a few that find nothing or lie above every key. In
// no order, as a list from another desk comes.
std::vector<std::string> keysOf(const fs::path& set, int kind) {
  std::vector<std::string> keys;
  QueryRun walk = queryInProcess({set.string(), "--by", kKindName[kind], "--json"});
  for (const std::string& line : linesOf(walk.out)) {
    std::u16string field =
        fromUtf8(nlohmann::json::parse(line)[kKindField[kind]].get<std::string>());
    if (kind == 4) field = field.substr(0, 6);  // the name's key field
    keys.insert(keys.end(), {toUtf8(field), toUtf8(field.substr(0, 3)), toUtf8(field) + "~"});
  }
  keys.insert(keys.end(), {"a1", "~~~~~~~~~~~~", "譚"});
  std::shuffle(keys.begin(), keys.end(), std::mt19937(14));
  return keys;
}

struct Single {
  std::string line;  // the answer in the form of a line of a batch
  int status;
};

Single singleLookUp(const fs::path& set, int kind, const std::string& key, int64_t line,
                    bool json) {
  std::vector<std::string> args{set.string(), "--by", kKindName[kind], key, "--limit", "1"};
  if (json) args.push_back("--json");
  QueryRun single = queryInProcess(args);
  if (single.status == 0) return {single.out.substr(0, single.out.size() - 1), 0};
  std::vector<std::string> parts = linesOf(single.err);  // the message's lines
  std::string message;
  for (const std::string& part : parts)
    message += (message.empty() ? "" : json ? "\r\n" : " ") + part;
  if (json)
    return {nlohmann::ordered_json{
                {"line", line}, {"key", key}, {"message", message}, {"exit", single.status}}
                .dump(),
            single.status};
  return {std::to_string(line) + "\t" + key + "\t" + message + "\t" + std::to_string(single.status),
          single.status};
}

struct Damage {
  std::string fixture;
  const char* name;
  std::function<void(const fs::path& set)> apply;
};

TEST(BatchLookUp, EveryKeyGivesWhatItsSingleLookUpGivesInFileOrder) {
  const Damage kDamages[] = {
      {"basic", "sound", [](const fs::path&) {}},
      {"wide", "sound", [](const fs::path&) {}},
      // 統一編號 24 is the last of its order; leading back to the first makes a cycle.
      {"basic", "cycle",
       [](const fs::path& s) { setDetailField(s, 24, kSuccessorAt[1], "000002"); }},
      {"basic", "break",
       [](const fs::path& s) { setDetailField(s, 9, kSuccessorAt[4], "000000"); }},
      {"basic", "unreadable holder",
       [](const fs::path& s) { setDetailField(s, 9, kDataRecNoAt, "000999"); }},
  };
  for (const Damage& damage : kDamages) {
    TempFolder temp;
    const fs::path set = copyFixture(damage.fixture, temp.path());
    damage.apply(set);
    for (int kind = 1; kind <= 4; ++kind) {
      const bool json = kind % 2 == 0;
      SCOPED_TRACE(damage.fixture + " " + damage.name + " " + kKindName[kind]);
      std::vector<std::string> keys = keysOf(set, kind);
      std::string file;
      for (const std::string& key : keys) file += key + "\n";
      std::vector<std::string> args{set.string(), "--by", kKindName[kind], "--keys", "-"};
      if (json) args.push_back("--json");
      QueryRun batch = queryInProcess(args, file);
      EXPECT_EQ(batch.err, "");
      std::vector<std::string> lines = linesOf(batch.out);
      ASSERT_EQ(lines.size(), keys.size());
      int worst = 0;  // 2 over 1 over 0
      for (size_t i = 0; i < keys.size(); ++i) {
        Single single = singleLookUp(set, kind, keys[i], int64_t(i + 1), json);
        ASSERT_EQ(lines[i], single.line) << "line " << i + 1 << ": " << keys[i];
        worst = std::max(worst, single.status);
      }
      EXPECT_EQ(batch.status, worst);
    }
  }
}

TEST(BatchLookUp, LinesThatAreNoKeyAreAnsweredByNumberAndTheRestSearched) {
  // Line 2 ends in CR LF; line 6 holds bytes that are not UTF-8; the file has no last line break.
  const std::string file =
      "\xEF\xBB\xBF"
      "B1200003\nB1200003\r\n\n \t\nB12000030123\xE5\n\xFF\xFEZ\nB120000301234";
  QueryRun r = queryInProcess({fixturePath("basic").string(), "--by", "id", "--keys", "-"}, file);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  std::vector<std::string> lines = linesOf(r.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], lines[1]);  // the byte-order mark and the CR are no part of the key
  EXPECT_EQ(lines[0].substr(0, 4), "2330");
  EXPECT_EQ(lines[2], "3\t\t第 3 行是空白行，沒有查詢資料\t64");
  EXPECT_EQ(lines[3], "4\t \t\t第 4 行是空白行，沒有查詢資料\t64");
  EXPECT_EQ(lines[4], "5\tB12000030123\uFFFD\t第 5 行不是 UTF-8 文字\t64");
  EXPECT_EQ(lines[5], "6\t\uFFFD\uFFFDZ\t第 6 行不是 UTF-8 文字\t64");
  EXPECT_EQ(lines[6], "7\tB120000301234\t第 7 行的查詢資料超過 12 個字，查詢資料欄容不下\t64");
}

TEST(BatchLookUp, StatusesOfWholeRuns) {
  struct Case {
    std::vector<std::string> args;  // after the folder
    std::string keys;
    bool emptyFolder;
    int status;
    std::string err;  // what standard error begins with
  };
  TempFolder empty;
  const Case kCases[] = {
      {{"--by", "id", "--keys", "-"}, "B1200003\nb12\n", false, 0, ""},
      {{"--by", "id", "--keys", "-"}, "", false, 0, ""},
      {{"--by", "id", "--keys", "-"}, "B1200003\n", true, 2, "MSG_0_17 "},
      {{"--by", "id", "--keys", (empty.path() / "none.txt").string()},
       "",
       false,
       64,
       "kv884-query: cannot read"},
      {{"--keys", "-"}, "", false, 64, "kv884-query: --keys needs --by"},
      {{"--by", "id", "A", "--keys", "-"}, "", false, 64, "kv884-query: KEY and --limit"},
  };
  for (const Case& c : kCases) {
    std::vector<std::string> args{c.emptyFolder ? empty.path().string()
                                                : fixturePath("basic").string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(testing::PrintToString(args));
    QueryRun r = queryInProcess(args, c.keys);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
  }
}

}  // namespace
}  // namespace kv884::test

// kv884-query --export: the file, read back as a spreadsheet program reads it
// (tests/cli/read_export.py), holds the screens 次筆 shows through the whole key order and
// replaces the old file, readable by its owner only; a chain that breaks, ends early or runs in
// a cycle stops it with its message, leaving the old file as it was and nothing else behind.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "cli/query_run.hpp"
#include "support/command.hpp"
#include "support/fixture_set.hpp"

namespace kv884::test {
namespace {

using Json = nlohmann::json;

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// The export's row of one screen of kv884-query --by KIND --json.
Json rowOfScreen(const std::string& line) {
  const Json screen = Json::parse(line);
  const std::u16string security = fromUtf8(screen["security"].get<std::string>());
  Json row{toUtf8(security.substr(0, 6)), toUtf8(security.substr(8))};
  EXPECT_EQ(security.substr(6, 2), u"  ");
  for (const char* field :
       {"allotment_type", "data_date", "holder_no", "holder_name", "id_no", "id_mark", "account_no",
        "transfer_shares", "collateral_shares", "collateral_count", "data_category", "per_holder"})
    row.push_back(screen[field]);
  return row;
}

TEST(RegisterExport, HoldsEveryScreenOfTheWalkAndReplacesTheOldFile) {
  const std::string text = "s:@ s:@ s:@ s:@ s:@ s:@ s:@ s:@ s:@ ";
  struct Case {
    std::string fixture;
    std::string kind;  // "": 統一編號, the default
    std::string file;
    std::string form;  // as read_export.py gives it
  };
  const Case kCases[] = {
      {"basic", "", "out.csv", "BOM CRLF"},
      {"basic", "name", "out.xlsx", "1 A2 A1:N31 " + text + "n:#,##0.00 n:#,##0.00 n:#0 s:@ s:@"},
      {"wide", "holder", "OUT.XLSX", "1 A2 A1:N301 " + text + "n:#,##0 n:#,##0 n:#0 s:@ s:@"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    FixtureSet set(c.fixture);
    if (c.fixture == "basic") {  // decimal flag Y, as before
      // A security name with a double quote; a holder name with a comma, quotes and a line break.
      writeFile(set.descriptor(), "7701,\xB8s\"\xACP,20150115,Y");  // 群"星
      set.setDetailField(7, DetailRecord::kHolderName, "a,\"b\"\r\nc");
    }
    const fs::path file = set.temp.path() / c.file;
    writeFile(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    std::vector<std::string> args{set.folder, "--export", file};
    if (!c.kind.empty()) args.insert(args.end(), {"--by", c.kind});
    QueryRun r = queryInProcess(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(set.temp.path()), (std::set<std::string>{c.file, c.fixture}));

    const Json got = Json::parse(
        runCommand("/usr/bin/python3 " + shellQuote(KV884_SOURCE_DIR "/tests/cli/read_export.py") +
                   " " + shellQuote(file))
            .out);
    EXPECT_EQ(got["form"], c.form);
    EXPECT_EQ(got["rows"][0], Json::parse(R"(["證券代號", "證券名稱", "配發類別", "資料日期",
        "戶號", "戶名", "身分證/營利事業統一編號", "強迫入帳", "集保帳號", "劃撥股數",
        "擔保品/全權委託撥轉股數", "擔保品/全權委託撥轉筆數", "資料類別", "逐戶配發"])"));
    const std::vector<std::string> screens =
        linesOf(queryInProcess({set.folder, "--by", c.kind.empty() ? "id" : c.kind, "--json"}).out);
    ASSERT_EQ(got["rows"].size(), screens.size() + 1);
    for (size_t i = 0; i < screens.size(); ++i)
      ASSERT_EQ(got["rows"][i + 1], rowOfScreen(screens[i])) << "row " << i + 1;
  }
}

TEST(RegisterExport, AChainFaultStopsItLeavingTheOldFileAndNothingElse) {
  struct Case {
    std::string kind;
    int64_t record;  // whose successor in the kind's order is changed
    RecordField next;
    const char* successor;
    std::string file;
    std::string message;
    int written;
  };
  const Case kCases[] = {
      {"id", 1, DetailRecord::kNextById, "000999", "out.csv",
       "統一編號 鏈結在明細記錄 1 中斷：下一筆 999 讀不到", 8},
      {"name", 23, DetailRecord::kNextByName, "999999", "out.csv",  // the first in its order
       "中文戶名 鏈結走過 1 筆明細記錄便結束，另有 29 筆走不到", 1},
      {"id", 24, DetailRecord::kNextById, "000002", "out.xlsx",  // from the last to the first
       "統一編號 鏈結形成循環：走過全部 30 筆明細記錄後仍未結束", 30},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.message);
    FixtureSet set;
    set.setDetailField(c.record, c.next, c.successor);
    const fs::path file = set.temp.path() / c.file;
    writeFile(file, "old");
    QueryRun r = queryInProcess({set.folder, "--export", file, "--by", c.kind});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "kv884-query: " + c.message + "\nkv884-query: 匯出中止：暫存檔寫入 " +
                         std::to_string(c.written) + " 位持有人後已刪除，" + file.string() +
                         " 保持原狀\n");
    EXPECT_EQ(readFile(file), "old");
    EXPECT_EQ(namesIn(set.temp.path()), (std::set<std::string>{"basic", c.file}));
  }
}

}  // namespace
}  // namespace kv884::test

// kv884-query --export: the file read back as a spreadsheet reads it (tests/cli/read_export.py)
// holds exactly the screens 次筆 shows through the whole key order; a chain that breaks, cycles or
// leaves records unreached, and every other failure, leaves no file and the old one as it was.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/query_run.hpp"
#include "platform/utf.hpp"
#include "support/command.hpp"
#include "support/record_patch.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const char* const kKindName[5] = {"", "id", "account", "holder", "name"};

// The header row, its captions joined with commas.
const std::string kCaptions =
    "證券代號,證券名稱,配發類別,資料日期,戶號,戶名,身分證/營利事業統一編號,強迫入帳,集保帳號,"
    "劃撥股數,擔保品/全權委託撥轉股數,擔保品/全權委託撥轉筆數,資料類別,逐戶配發";

Json readBack(const fs::path& file) {
  CommandResult r =
      runCommand("/usr/bin/python3 " + shellQuote(KV884_SOURCE_DIR "/tests/cli/read_export.py") +
                 " " + shellQuote(file.string()));
  EXPECT_EQ(r.status, 0) << r.err;
  return Json::parse(r.out);
}

// The export's row of one screen of kv884-query --by KIND --json.
std::vector<std::string> rowOfScreen(const Json& screen) {
  const std::u16string security = fromUtf8(screen["security"].get<std::string>());
  std::vector<std::string> row{toUtf8(security.substr(0, 6)), toUtf8(security.substr(8))};
  EXPECT_EQ(security.substr(6, 2), u"  ");
  for (const char* field :
       {"allotment_type", "data_date", "holder_no", "holder_name", "id_no", "id_mark", "account_no",
        "transfer_shares", "collateral_shares", "collateral_count", "data_category", "per_holder"})
    row.push_back(screen[field].get<std::string>());
  return row;
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(RegisterExport, FileReadBackHoldsEveryScreenOfTheWalkAndReplacesTheOldOne) {
  struct Case {
    std::string fixture;
    std::string kind;  // "": the default, 統一編號
    std::string file;
    std::string quantityCell;  // an XLSX quantity cell's type and format
    bool
        quotes;  // a security name with a double quote, a holder name with a comma and a line break
  };
  const Case kCases[] = {
      {"basic", "", "out.csv", "", true},
      {"basic", "name", "out.xlsx", "n:#,##0.00", true},  // decimal flag Y
      {"wide", "holder", "out.xlsx", "n:#,##0", false},   // N; user-defined characters in names
      {"wide", "account", "OUT.CSV", "", false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.fixture + " " + c.kind + " " + c.file);
    TempFolder temp;
    const fs::path set = copyFixture(c.fixture, temp.path() / "sets");
    if (c.quotes) {
      writeFile(set / "ntridx" / "security.txt", "7701,\xB8s\"\xACP,20150115,Y");  // 群"星
      setDetailField(set, 7, 94, "a,\"b\"\r\nc");                                  // 戶名
    }
    const fs::path file = temp.path() / c.file;
    writeFile(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    std::vector<std::string> args{set.string(), "--export", file.string()};
    if (!c.kind.empty()) args.insert(args.end(), {"--by", c.kind});
    QueryRun r = queryInProcess(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(temp.path()), (std::vector<std::string>{c.file, "sets"}));

    QueryRun walk =
        queryInProcess({set.string(), "--by", c.kind.empty() ? "id" : c.kind, "--json"});
    std::vector<std::string> screens = linesOf(walk.out);
    Json got = readBack(file);
    std::string header;
    for (const Json& caption : got["header"])
      header += (header.empty() ? "" : ",") + caption.get<std::string>();
    EXPECT_EQ(header, kCaptions);
    ASSERT_EQ(got["rows"].size(), screens.size());
    for (size_t i = 0; i < screens.size(); ++i)
      ASSERT_EQ(got["rows"][i], rowOfScreen(Json::parse(screens[i]))) << "row " << i + 1;
    if (c.quantityCell.empty()) {
      EXPECT_TRUE(got["bom"].get<bool>());
      EXPECT_TRUE(got["crlf"].get<bool>());
      continue;
    }
    EXPECT_EQ(got["sheets"], 1);
    EXPECT_EQ(got["freeze"], "A2");
    EXPECT_EQ(got["filter"], "A1:N" + std::to_string(screens.size() + 1));
    std::vector<std::string> cells(14, "s:@");
    cells[9] = cells[10] = c.quantityCell;
    cells[11] = "n:#0";
    for (const Json& row : got["cells"]) ASSERT_EQ(row, cells);
  }
}

TEST(RegisterExport, AFaultStopsItWithItsMessageLeavingTheOldFileAsItWas) {
  struct Case {
    int kind;
    std::string file;
    int at;  // the detail record damaged: its place in the key order, 29 the last
    int position;
    std::string bytes;
    std::string messages;  // before the last line; @ stands for the damaged record's number
    int written;
  };
  const Case kCases[] = {
      {1, "out.csv", 9, kSuccessorAt[1], "000999",
       "kv884-query: 統一編號 鏈結在明細記錄 @ 中斷：下一筆 999 讀不到\n", 10},
      {4, "out.csv", 4, kSuccessorAt[4], "999999",
       "kv884-query: 中文戶名 鏈結走過 5 筆明細記錄便結束，另有 25 筆走不到\n", 5},
      {1, "out.xlsx", 29, kSuccessorAt[1], "000002",  // back to the first record: a cycle
       "kv884-query: 統一編號 鏈結形成循環：走過全部 30 筆明細記錄後仍未結束\n", 30},
      {1, "out.xlsx", 4, kDataRecNoAt, "000999", "MSG_1_08:資料讀取錯誤 !\n63\n錯誤的記錄編號\n",
       4},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.messages);
    TempFolder temp;
    const fs::path set = copyFixture("basic", temp.path() / "sets");
    const fs::path file = temp.path() / c.file;
    writeFile(file, "old");
    // The key order from its first record: 統一編號 from detail record 2, 中文戶名 from 23.
    int64_t damaged = c.kind == 1 ? 2 : 23;
    for (int i = 0; i < c.at; ++i)
      damaged = std::stoll(detailField(set, damaged, kSuccessorAt[c.kind], 6));
    setDetailField(set, damaged, c.position, c.bytes);
    std::string messages = c.messages;
    if (size_t at = messages.find('@'); at != std::string::npos)
      messages.replace(at, 1, std::to_string(damaged));

    QueryRun r =
        queryInProcess({set.string(), "--export", file.string(), "--by", kKindName[c.kind]});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, messages + "kv884-query: 匯出中止：暫存檔寫入 " + std::to_string(c.written) +
                         " 位持有人後已刪除，" + file.string() + " 保持原狀\n");
    EXPECT_EQ(readFile(file), "old");
    EXPECT_EQ(namesIn(temp.path()), (std::vector<std::string>{c.file, "sets"}));
  }
}

TEST(RegisterExport, RefusedOrUnwritableFilesLeaveNothingBehind) {
  TempFolder temp;
  const fs::path set = copyFixture("basic", temp.path());
  fs::create_directory_symlink(set, temp.path() / "link");
  struct Case {
    std::string file;  // in the temporary folder
    std::vector<std::string> more;
    int status;
    std::string err;  // what standard error begins with
  };
  const Case kCases[] = {
      {"basic/out.csv",
       {},
       64,
       "kv884-query: --export " + (temp.path() / "basic/out.csv").string() +
           " lies in the data set's folder"},
      {"basic/NTR/out.csv", {}, 64, "kv884-query: --export"},  // ntr, as the program maps names
      {"link/ntridx/out.xlsx", {}, 64, "kv884-query: --export"},
      {"out.txt", {}, 64, "kv884-query: --export FILE must end in .csv or .xlsx"},
      {"out.csv", {"--json"}, 64, "kv884-query: --json does not go with --export"},
      {"out.csv", {"--keys", "-"}, 64, "kv884-query: --keys and --export go apart"},
      {"missing/out.csv",
       {},
       2,
       "kv884-query: " + (temp.path() / "missing/out.csv").string() +
           " 無法寫入：76 找不到路徑\nkv884-query: 匯出中止：暫存檔寫入 0 位持有人"},
  };
  const std::vector<std::string> before = namesIn(temp.path());
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    std::vector<std::string> args{set.string(), "--export", (temp.path() / c.file).string()};
    args.insert(args.end(), c.more.begin(), c.more.end());
    QueryRun r = queryInProcess(args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    EXPECT_EQ(namesIn(temp.path()), before);
    EXPECT_EQ(namesIn(set / "ntr").size() + namesIn(set / "ntridx").size(), 5u);
  }
}

TEST(Progress, OnATerminalOnlyAndForBatchesOnlyWhenLong) {
  std::string manyKeys;
  for (int i = 0; i < 5001; ++i) manyKeys += "B12\n";
  struct Case {
    std::vector<std::string> args;  // after the folder
    std::string keys;
    bool terminal;
    std::string err;  // what standard error holds ("": nothing)
  };
  TempFolder temp;
  const std::string file = (temp.path() / "out.csv").string();
  const Case kCases[] = {
      {{"--export", file}, "", true, "已處理 30 / 30 位持有人"},
      {{"--by", "id", "--keys", "-"}, manyKeys, true, "已處理 5,001 筆查詢資料"},
      {{"--by", "id", "--keys", "-"}, "B12\n", true, ""},
  };
  for (const Case& c : kCases) {
    std::vector<std::string> args{fixturePath("basic").string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(testing::PrintToString(args) + (c.terminal ? " on a terminal" : ""));
    QueryRun r = queryInProcess(args, c.keys, c.terminal);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err.empty(), c.err.empty()) << r.err;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }
  // The program itself asks whether standard error is a terminal: here it is a file.
  CommandResult r = runQuery({fixturePath("basic").string(), "--export", file});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace kv884::test

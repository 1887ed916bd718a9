// kv884-query in this process (runQueryCommand on string streams): each class of outcome with
// its exit status, its lines and what it says on standard error (and only there, and on a
// terminal only, the progress of long runs); the two forms of a screen; replays; the count
// report; batches of keys; exports.

#include "cli/query_command.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "support/command.hpp"
#include "support/fixture_set.hpp"

namespace kv884::test {
namespace {

using Json = nlohmann::json;

// text with every "%t" replaced by folder.
std::string within(const fs::path& folder, std::string text) {
  for (size_t at; (at = text.find("%t")) != std::string::npos;)
    text.replace(at, 2, folder.string());
  return text;
}

// kv884-query with args split at blanks, "%t" in each standing for the folder temp.
CommandResult query(const fs::path& temp, const std::string& args, const std::string& input = {},
                    bool errIsTerminal = false) {
  std::vector<std::string> words;
  std::istringstream split(args);
  for (std::string word; split >> word;) words.push_back(within(temp, word));
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = runQueryCommand(words, in, out, err, errIsTerminal);
  return {status, out.str(), err.str()};
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<Json> jsonLines(const std::string& text) {
  std::vector<Json> lines;
  for (const std::string& line : linesOf(text)) lines.push_back(Json::parse(line));
  return lines;
}

TEST(QueryOutcome, EachHasItsStatusLinesAndStandardError) {
  struct Case {
    int status;
    size_t lines;
    std::string err;   // what standard error holds ("": nothing)
    std::string args;  // %t: a temporary folder, the basic set in %t/basic
    std::string input{};
    bool terminal{false};
  };
  std::string manyKeys;
  for (int i = 0; i < 5001; ++i) manyKeys += "B12\n";
  const Case kCases[] = {
      {0, 3, "", "%t/basic --by account --limit 3 --json"},
      {0, 30, "", "%t/basic --by holder"},  // to where 次筆 is withdrawn
      {0, 1, "", "--version"},
      {1, 0, "MSG_1_02:無符合資料 !\n", "%t/basic --by id ~~"},
      {2, 0, "MSG_0_17 ", "%t --replay -", "search\n"},
      {2, 1, "MSG_1_09:列印失敗 !\n", "%t/basic --by id B12 --print %t/no/p"},
      {2, 0, "kv884-query: %t/no/o.csv 無法寫入：76 找不到路徑\n", "%t/basic --export %t/no/o.csv"},
      {64, 0, "KEY has more than 12", "%t/basic --by id 1234567890123"},
      {64, 0, "--limit: Value 0", "%t/basic --by id A --limit 0"},
      {64, 0, "nobody not in", "%t/basic --by nobody A"},
      {64, 0, "not expected: --bogus", "%t/basic --by id A --bogus"},
      {64, 0, "give one of", "%t/basic"},
      {64, 0, "line 4 of", "%t/basic --replay -", "# comment\nsearch\n\npick 依 無\n"},
      {64, 0, "--keys needs --by", "%t/basic --keys -"},
      {64, 0, "KEY and --limit go", "%t/basic --by id A --keys -"},
      {64, 0, "cannot read %t/none", "%t/basic --by id --keys %t/none"},
      {64, 0, "--keys and --export", "%t/basic --by id --keys - --export %t/o.csv"},
      {64, 0, "--json does not go", "%t/basic --export %t/o.csv --json"},
      {64, 0, "must end in .csv or .xlsx", "%t/basic --export %t/o.txt"},
      {64, 0, "%t/basic/o.csv lies in the", "%t/basic --export %t/basic/o.csv"},
      {64, 0, "%t/basic/NTR/o.csv lies", "%t/basic --export %t/basic/NTR/o.csv"},
      {64, 0, "%t/link/ntridx/o.xlsx lies", "%t/basic --export %t/link/ntridx/o.xlsx"},
      {0, 0, "已處理 30 / 30 位持有人", "%t/basic --export %t/o.csv", "", true},
      {0, 5001, "已處理 5,001 筆查詢資料", "%t/basic --by id --keys -", manyKeys, true},
      {0, 1, "", "%t/basic --by id --keys -", "B12\n", true},
  };
  FixtureSet set;
  fs::create_directory_symlink(set.folder, set.temp.path() / "link");
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args);
    CommandResult r = query(set.temp.path(), c.args, c.input, c.terminal);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(linesOf(r.out).size(), c.lines);
    if (c.err.empty())
      EXPECT_EQ(r.err, "");
    else
      EXPECT_NE(r.err.find(within(set.temp.path(), c.err)), std::string::npos) << r.err;
  }
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(set.folder), {}),
            std::distance(fs::recursive_directory_iterator(fixturePath("basic")), {}));
}

TEST(QueryOutcome, AScreenIsALineOfTabbedTextsOrAJsonObjectOfThem) {
  FixtureSet set;
  const std::string args = "%t/basic --by id b1200003 --limit 1";
  const std::string text = query(set.temp.path(), args).out;
  EXPECT_EQ(text,
            "2330    群星水泥\tD\t20150115\t0000100301\t張國華                \tB120000301\t＊\t"
            "53800012345\t15,000.00\t0.00\t0\t \tN\t0001 0001 0001 \n");
  const auto screen = nlohmann::ordered_json::parse(query(set.temp.path(), args + " --json").out);
  std::string texts;
  for (const auto& [field, value] : screen.items())
    texts += value.get<std::string>() + (field == "ring" ? "\n" : "\t");
  EXPECT_EQ(texts, text);
}

TEST(FixtureReplay, EveryScriptGivesItsExpectedLinesAndTheSetIsNeverWritten) {
  TempFolder temp;
  int scripts = 0;
  for (const char* name : {"basic", "wide"}) {
    const fs::path fixture = fixturePath(name), set = copyFixture(name, temp.path());
    for (const auto& entry : fs::recursive_directory_iterator(set))
      if (entry.is_regular_file()) fs::permissions(entry.path(), fs::perms::owner_read);
    const std::string replay = "%t/" + std::string(name) + " --replay %t/" + name + "/";
    for (const auto& entry : fs::directory_iterator(set)) {
      if (entry.path().extension() != ".replay") continue;
      SCOPED_TRACE(entry.path().filename().string());
      ++scripts;
      CommandResult r = query(temp.path(), replay + entry.path().filename().string());
      EXPECT_EQ(r.status, 0);
      const fs::path expected = fs::path(entry.path()).replace_extension(".expected.jsonl");
      EXPECT_EQ(jsonLines(r.out), jsonLines(readFile(expected)));
    }
    for (const auto& entry : fs::recursive_directory_iterator(fixture))
      EXPECT_TRUE(entry.is_directory() ||
                  readFile(entry) == readFile(set / fs::relative(entry, fixture)))
          << entry.path();
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(set), {}),
              std::distance(fs::recursive_directory_iterator(fixture), {}));
  }
  EXPECT_EQ(scripts, 9);
}

// The actions no fixture script uses. A print goes into the file named by the rest of the line,
// a page a press; without the window every action is disabled, and open is while it is loaded.
TEST(Replay, PrintsIntoItsFileAndReportsWhatIsDisabled) {
  FixtureSet set;
  const fs::path& temp = set.temp.path();
  const std::string script =
      "key B1200003\nsearch\nprint %t/a b\nnext\nprint %t/a b\nclose\nsearch\nprint "
      "%t/d\nopen\nopen\nkey 1234567890123\n";
  CommandResult r = query(temp, "%t/basic --replay -", within(temp, script));
  std::vector<Json> lines = jsonLines(r.out);
  ASSERT_EQ(lines.size(), 12u);
  for (size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i]["disabled"], i == 7 || i == 8 || i == 10) << "line " << i + 1;
  EXPECT_TRUE(lines[6]["boxes"].is_null());
  EXPECT_EQ(lines[9]["boxes"]["tx_o_23"], "20150115");
  EXPECT_EQ(lines[11]["tx_i_01"], "123456789012");  // the key box takes 12 characters
  EXPECT_FALSE(fs::exists(temp / "d"));
  std::vector<std::string> printed = linesOf(readFile(temp / "a b"));
  ASSERT_EQ(printed.size(), 2 * 23u + 1);
  EXPECT_EQ(printed[6], "　　　　　　　　　　戶號 : 0000100301");
  EXPECT_EQ(printed[23], "\f");
  EXPECT_EQ(printed[24 + 6], "　　　　　　　　　　戶號 : 0000100302");
}

TEST(FixtureReport, IsShownByteForByteAndPrintedIntoItsFile) {
  FixtureSet set;
  CommandResult r = query(set.temp.path(), "%t/basic --report --print %t/r");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, readFile(fixturePath("basic") / "report.expected.txt"));
  EXPECT_NE(readFile(set.temp.path() / "r").find("\n  一般配發            30       123,456\n"),
            std::string::npos);
}

// Every line of a key file is answered in the file's order, though searched in key order: a key
// that finds a holder by the screen its single look-up shows, every other line by its number,
// key, message and status; the run's status is the worst of 2, 1 and 0.
TEST(BatchLookUp, AnswersEveryLineInTheFilesOrder) {
  struct Case {
    std::string by;  // the options that pick the kind and form
    std::string keys;
    std::vector<std::string> answers;  // "=KEY": the screen of a single look-up of KEY
    int status;
  };
  const Case kCases[] = {
      {"--by id",
       "\xEF\xBB\xBF"
       "Y25\r\nC11\n\n \t\nB12000030123\xE5\n\xFF\xFEZ\nB120000301234\nB1200003",
       {"=Y25", "=C11", "3\t\t第 3 行是空白行，沒有查詢資料\t64",
        "4\t \t\t第 4 行是空白行，沒有查詢資料\t64",
        "5\tB12000030123\uFFFD\t第 5 行不是 UTF-8 文字\t64",
        "6\t\uFFFD\uFFFDZ\t第 6 行不是 UTF-8 文字\t64",
        "7\tB120000301234\t第 7 行的查詢資料超過 12 個字，查詢資料欄容不下\t64",
        "8\tB1200003\tMSG_1_08:資料讀取錯誤 ! 63 錯誤的記錄編號\t2"},
       2},
      {"--by holder --json",
       "0000100301\n~~\n0000100302\n",
       {"{\"line\":1,\"key\":\"0000100301\",\"message\":\"MSG_1_08:資料讀取錯誤 "
        "!\\r\\n63\\r\\n錯誤的記錄編號\",\"exit\":2}",
        "{\"line\":2,\"key\":\"~~\",\"message\":\"MSG_1_02:無符合資料 !\",\"exit\":1}",
        "=0000100302"},
       2},
      {"--by id", "~~\nY25\n", {"1\t~~\tMSG_1_02:無符合資料 !\t1", "=Y25"}, 1},
      {"--by id", "", {}, 0},
  };
  FixtureSet set;
  set.setDetailField(1, DetailRecord::kDataRecNo, "000999");  // B120000301, holder 0000100301
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.by + " " + c.keys);
    CommandResult batch = query(set.temp.path(), "%t/basic --keys - " + c.by, c.keys);
    EXPECT_EQ(batch.status, c.status);
    EXPECT_EQ(batch.err, "");
    std::string answers;
    for (const std::string& answer : c.answers)
      answers +=
          answer[0] != '='
              ? answer + "\n"
              : query(set.temp.path(), "%t/basic --limit 1 " + c.by + " " + answer.substr(1)).out;
    EXPECT_EQ(batch.out, answers);
  }
}

// The export's row of one screen of --by KIND --json.
Json rowOfScreen(const std::string& line) {
  const Json screen = Json::parse(line);
  const std::u16string security = fromUtf8(screen["security"].get<std::string>());
  Json row{toUtf8(security.substr(0, 6)), toUtf8(security.substr(8))};
  for (const char* field :
       {"allotment_type", "data_date", "holder_no", "holder_name", "id_no", "id_mark", "account_no",
        "transfer_shares", "collateral_shares", "collateral_count", "data_category", "per_holder"})
    row.push_back(screen[field]);
  return row;
}

// An export walks the whole key order into a file that, read back as a spreadsheet program reads
// it (read_export.py), holds the screens 次筆 shows and replaces the old file, readable by its
// owner only; a chain that breaks, ends early or runs in a cycle stops it with its message,
// leaving the old file as it was. Nothing else is left behind.
TEST(RegisterExport, HoldsEveryScreenOfTheWalkOrStopsAtAChainFault) {
  const std::string text = "s:@ s:@ s:@ s:@ s:@ s:@ s:@ s:@ s:@ ";
  struct Case {
    std::string fixture;
    std::string by;  // "": 統一編號, the default
    std::string file;
    std::string form;   // as read_export.py gives it, or the fault in the chain
    int64_t record{0};  // whose successor in the kind's order is changed
    RecordField next{};
    std::string successor{};
    int written{0};  // holders written before the fault showed
  };
  const Case kCases[] = {
      {"basic", "", "out.csv", "BOM CRLF"},
      {"basic", "--by name", "out.xlsx",
       "1 A2 A1:N31 " + text + "n:#,##0.00 n:#,##0.00 n:#0 s:@ s:@"},
      {"wide", "--by holder", "OUT.XLSX", "1 A2 A1:N301 " + text + "n:#,##0 n:#,##0 n:#0 s:@ s:@"},
      {"basic", "--by id", "out.csv", "統一編號 鏈結在明細記錄 1 中斷：下一筆 999 讀不到", 1,
       DetailRecord::kNextById, "000999", 8},
      {"basic", "--by name", "out.csv", "中文戶名 鏈結走過 29 筆明細記錄便結束，另有 1 筆走不到",
       28, DetailRecord::kNextByName, "999999", 29},  // the last but one in its order
      {"basic", "--by id", "out.xlsx", "統一編號 鏈結形成循環：走過全部 30 筆明細記錄後仍未結束",
       24, DetailRecord::kNextById, "000002", 30},  // from the last to the first
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.form);
    FixtureSet set(c.fixture);
    if (c.record) {
      set.setDetailField(c.record, c.next, c.successor);
    } else if (c.fixture == "basic") {  // decimal flag Y, as before
      // A security name with a double quote; a holder name with a comma, quotes and a line break.
      writeFile(set.descriptor(), "7701,\xB8s\"\xACP,20150115,Y");  // 群"星
      set.setDetailField(7, DetailRecord::kHolderName, "a,\"b\"\r\nc");
    }
    const fs::path file = set.temp.path() / c.file;
    writeFile(file, "old");  // readable by all
    CommandResult r =
        query(set.temp.path(), "%t/" + c.fixture + " --export " + file.string() + " " + c.by);
    EXPECT_EQ(std::distance(fs::directory_iterator(set.temp.path()), {}), 2);  // the set, the file
    if (c.record) {
      EXPECT_EQ(r.status, 2);
      EXPECT_EQ(r.err, "kv884-query: " + c.form + "\nkv884-query: 匯出中止：暫存檔寫入 " +
                           std::to_string(c.written) + " 位持有人後已刪除，" + file.string() +
                           " 保持原狀\n");
      EXPECT_EQ(readFile(file), "old");
      continue;
    }
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    const Json got = Json::parse(
        runCommand("/usr/bin/python3 " + shellQuote(KV884_SOURCE_DIR "/tests/cli/read_export.py") +
                   " " + shellQuote(file.string()))
            .out);
    EXPECT_EQ(got["form"], c.form);
    EXPECT_EQ(got["rows"][0], Json::parse(R"(["證券代號", "證券名稱", "配發類別", "資料日期",
        "戶號", "戶名", "身分證/營利事業統一編號", "強迫入帳", "集保帳號", "劃撥股數",
        "擔保品/全權委託撥轉股數", "擔保品/全權委託撥轉筆數", "資料類別", "逐戶配發"])"));
    const std::vector<std::string> screens = linesOf(
        query(set.temp.path(), "%t/" + c.fixture + " --json " + (c.by.empty() ? "--by id" : c.by))
            .out);
    ASSERT_EQ(got["rows"].size(), screens.size() + 1);
    for (size_t i = 0; i < screens.size(); ++i)
      ASSERT_EQ(got["rows"][i + 1], rowOfScreen(screens[i])) << "row " << i + 1;
  }
}

}  // namespace
}  // namespace kv884::test

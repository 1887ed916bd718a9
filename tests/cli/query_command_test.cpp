// kv884-query in this process (runQueryCommand on string streams): each class of outcome with
// its exit status, its lines and what it says on standard error (and only there, and on a
// terminal only, the progress of long runs); the two forms of a screen; replays; the count
// report; batches of keys; exports.

#include "cli/query_command.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/read_ahead_rule.hpp"
#include "support/command.hpp"
#include "support/fixture_set.hpp"
#include "support/full_disc.hpp"

namespace kv884::test {
namespace {

using Json = nlohmann::json;

// kv884-query with args split at blanks, "%t" in each standing for the folder temp.
CommandResult query(const fs::path& temp, const std::string& args, const std::string& input = {},
                    bool terminal = false) {
  std::vector<std::string> words;
  std::istringstream split(args);
  for (std::string word; split >> word;) words.push_back(within(temp, word));
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status =
      runQueryCommand(words, in, out, err, {.outIsTerminal = terminal, .errIsTerminal = terminal});
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
      {64, 0, "KEY has more than 12", "%t/basic --by id 1234567890123"},
      {64, 0, "--limit: N is a number of screens, 1 or more, not 0",
       "%t/basic --by id A --limit 0"},
      {0, 1, "",
       "%t/\xA4\xA4 --by id B1200003 --limit 1"},  // a folder name in Big5, opened as given
      {64, 0, "cannot read %t: 75 路徑/檔案存取錯誤", "%t/basic --replay %t"},
      {64, 0, "cannot read /dev/zero: 75 路徑/檔案存取錯誤", "%t/basic --replay /dev/zero"},
      {64, 0, "nobody not in", "%t/basic --by nobody A"},
      {64, 0, "not expected: --bogus", "%t/basic --by id A --bogus"},
      {64, 0, "give one of", "%t/basic"},
      {64, 0, "line 4 of", "%t/basic --replay -", "# comment\nsearch\n\npick 依 無\n"},
      {64, 0, "--keys needs --by", "%t/basic --keys -"},
      {64, 0, "KEY and --limit go", "%t/basic --by id A --keys -"},
      {64, 0, "cannot read %t/none", "%t/basic --by id --keys %t/none"},
      {64, 0, "cannot read %t: 75 路徑/檔案存取錯誤", "%t/basic --by id --keys %t"},
      {64, 0, "--keys and --export", "%t/basic --by id --keys - --export %t/o.csv"},
      {64, 0, "--json does not go", "%t/basic --export %t/o.csv --json"},
      {64, 0, "must end in .csv or .xlsx", "%t/basic --export %t/o.txt"},
      {0, 0, "已處理 30 / 30 位持有人", "%t/basic --export %t/o.csv", "", true},
      {0, 5001, "已處理 5,001 筆查詢資料", "%t/basic --by id --keys -", manyKeys, true},
      {0, 1, "", "%t/basic --by id --keys -", "B12\n", true},
  };
  FixtureSet set;
  fs::create_directory_symlink(set.folder, set.temp.path() / "link");
  fs::create_directory_symlink(set.folder, set.temp.path() / "\xA4\xA4");
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
  EXPECT_EQ(contentsOf(set.folder), contentsOf(fixturePath("basic")));
}

// Every file kv884-query writes goes through the one writer: a target in the data set's folder
// (by any path, link or capitals), one that may not be replaced, a missing folder and a full disc
// each give their message and status, and leave the set, the target and its folder as they were.
TEST(OutputTarget, AFaultLeavesTheSetTheTargetAndItsFolderAsTheyWere) {
  struct Case {
    int status;
    std::string err;   // %t: the temporary folder
    std::string args;  // the basic set in %t/basic, a link to it %t/link
    bool fullDisc{false};
    std::string input{};
  };
  const std::string full = "無法寫入：61 磁碟已滿\n";
#ifdef _WIN32
  const std::string device = "NUL";
#else
  const std::string device = "/dev/null";
#endif
  const Case kCases[] = {
      {64, "--print %t/basic/ntr/7701.ptr lies in", "--report --print %t/basic/ntr/7701.ptr"},
      {64, "--print %t/link/NTRIDX/x lies in", "--by id A --print %t/link/NTRIDX/x"},
      {0, "", "--replay -", false, "key B1200003\nsearch\nprint %t/basic/ntridx/7701idxd.sin\n"},
      {64, "--export %t/basic/NTR/o.csv lies in", "--export %t/basic/NTR/o.csv"},
      {64, "--export %t/link/ntridx/o.xlsx lies in", "--export %t/link/ntridx/o.xlsx"},
      {2, "kv884-query: %t/no/p 無法寫入：76 找不到路徑\n", "--by id B12 --print %t/no/p"},
      {2, "kv884-query: %t/no/o.csv 無法寫入：76 找不到路徑\n", "--export %t/no/o.csv"},
      {2, "kv884-query: %t/ro.csv 無法寫入：70 沒有使用權限\n", "--export %t/ro.csv"},
      {2, "kv884-query: %t/ro.csv 無法寫入：70 沒有使用權限\n", "--report --print %t/ro.csv"},
      {2, "kv884-query: %t/dir.xlsx 無法寫入：75 路徑/檔案存取錯誤\n", "--export %t/dir.xlsx"},
      {2, "kv884-query: " + device + " 無法寫入：75 路徑/檔案存取錯誤\n",
       "--report --print " + device},
      {2,
       "kv884-query: %t/full/o.csv " + full +
           "kv884-query: 匯出中止：暫存檔寫入 30 位持有人後已刪除",
       "--export %t/full/o.csv", true},
      {2, "MSG_0_18 列印失敗 !\n無法寫入檔案 %t/full/r：61 磁碟已滿\n",
       "--report --print %t/full/r", true},
  };
  FixtureSet set;
  const fs::path& temp = set.temp.path();
  std::error_code noLinks;  // Wine makes no symbolic links
  fs::create_directory_symlink(set.folder, temp / "link", noLinks);
  writeFile(temp / "ro.csv", "old");
  fs::permissions(temp / "ro.csv", fs::perms::owner_read | fs::perms::group_read);
  fs::create_directory(temp / "dir.xlsx");
  FullDisc disc(temp / "full");
  const std::map<std::string, std::string> before = contentsOf(temp);
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args);
    // No right to mount a file system here, or no links.
    if ((c.fullDisc && !disc.mounted()) || (noLinks && c.args.find("%t/link") != std::string::npos))
      continue;
    CommandResult r = query(temp, "%t/basic " + c.args, within(temp, c.input));
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.err.find(within(temp, c.err)), std::string::npos) << r.err;
    EXPECT_EQ(contentsOf(temp), before);
  }
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
    EXPECT_EQ(contentsOf(set), contentsOf(fixture));
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
  // On a terminal a line break follows, so that what comes next starts a line of its own.
  EXPECT_EQ(query(set.temp.path(), "%t/basic --report", "", true).out, r.out + "\n");
  EXPECT_NE(readFile(set.temp.path() / "r").find("\n  一般配發            30       123,456\n"),
            std::string::npos);
}

// Every line of a key file is answered in the file's order, though searched in key order, with
// its number and its key (in text, control characters escaped): a key that finds a holder by the
// screen its single look-up shows, every other line by its message and status; the run's status
// is the worst of 2, 1 and 0. With --exact only a whole key field, its padding aside, is found.
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
       "Y25\r\nC11\n\n \t\nB12000030123\xE5\n\xFF\xFEZ\nB120000301234\nB1200003\n"
       "B12000030123\nA\tB\x01\\\n",
       {"=Y25", "=C11", "3\t\t第 3 行是空白行，沒有查詢資料\t64",
        "4\t \\t\t第 4 行是空白行，沒有查詢資料\t64",
        "5\tB12000030123\uFFFD\t第 5 行不是 UTF-8 文字\t64",
        "6\t\uFFFD\uFFFDZ\t第 6 行不是 UTF-8 文字\t64",
        "7\tB120000301234\t第 7 行的查詢資料超過 12 個字，查詢資料欄容不下\t64",
        "8\tB1200003\tMSG_1_08:資料讀取錯誤 ! 63 錯誤的記錄編號\t2",
        "9\tB12000030123\tMSG_1_04:無符合資料 !\t1",
        "10\tA\\tB\\x01\\\\\tMSG_1_04:無符合資料 !\t1"},
       2},
      {"--by holder --json",
       "0000100301\n~~\n0000100302\n",
       {"{\"line\":1,\"key\":\"0000100301\",\"message\":\"MSG_1_08:資料讀取錯誤 "
        "!\\r\\n63\\r\\n錯誤的記錄編號\",\"exit\":2}",
        "{\"line\":2,\"key\":\"~~\",\"message\":\"MSG_1_02:無符合資料 !\",\"exit\":1}",
        "=0000100302"},
       2},
      {"--by id --exact",
       "Y25\nz113453363\n",
       {"1\tY25\tMSG_1_04:無符合資料 !\t1", "=z113453363"},
       1},
      {"--by name --exact --json",
       "譚華\n譚華玲\n",
       {"{\"line\":1,\"key\":\"譚華\",\"message\":\"MSG_1_07:無符合資料 !\",\"exit\":1}",
        "=譚華玲"},
       1},
      {"--by id", "", {}, 0},
  };
  FixtureSet set;
  set.setDetailField(1, DetailRecord::kDataRecNo, "000999");  // B120000301, holder 0000100301
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.by + " " + c.keys);
    CommandResult batch = query(set.temp.path(), "%t/basic --keys - " + c.by, c.keys);
    EXPECT_EQ(batch.status, c.status);
    EXPECT_EQ(batch.err, "");
    const bool json = c.by.ends_with("--json");
    std::string answers;
    for (size_t i = 0; i < c.answers.size(); ++i) {
      const std::string& answer = c.answers[i];
      if (answer[0] != '=') {
        answers += answer + "\n";
        continue;
      }
      const std::string key = answer.substr(1), line = std::to_string(i + 1);
      const std::string kind = c.by.substr(0, c.by.find(' ', 5));
      const std::string screen =
          query(set.temp.path(), "%t/basic --limit 1 " + kind + (json ? " --json " : " ") + key)
              .out;
      answers += json ? "{\"line\":" + line + ",\"key\":\"" + key + "\"," + screen.substr(1)
                      : line + "\t" + key + "\t" + screen;
    }
    EXPECT_EQ(batch.out, answers);
  }
}

// A batch long enough to read its records ahead along the key order, or to search a copy of the
// set, answers every line as a short batch of the same keys does, on a sound set and on one whose
// order runs in a cycle.
TEST(BatchLookUp, ReadingAheadOrFromACopyChangesNoLine) {
  const std::vector<std::string> keys{"Y25", "C11", "B120000301", "~~", "A",        "J24",
                                      "Z1",  "T",   "13491643",   "H",  "B12000030"};
  for (const auto& [cycleFrom, copying] :
       {std::pair<int64_t, std::string>{0, ""}, {24, ""}, {0, "always"}, {24, "always"}}) {
    SCOPED_TRACE(std::to_string(cycleFrom) + copying);
    EnvironmentVariable copySet("KV884_COPY_SET", copying);
    FixtureSet set;
    if (cycleFrom) set.setDetailField(cycleFrom, DetailRecord::kNextById, "000002");
    std::string few, many;
    for (const std::string& key : keys) few += key + "\n";
    for (int i = 0; i < 20000; ++i) many += keys[i % keys.size()] + "\n";
    const std::vector<std::string> answers =
        linesOf(query(set.temp.path(), "%t/basic --by id --keys -", few).out);
    const std::vector<std::string> lines =
        linesOf(query(set.temp.path(), "%t/basic --by id --keys -", many).out);
    ASSERT_EQ(lines.size(), 20000u);
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& answer = answers[i % keys.size()];
      ASSERT_EQ(lines[i], std::to_string(i + 1) + answer.substr(answer.find('\t'))) << i;
    }
  }
}

// The medium's costs as a batch measures them, at the points measured on the 999,999-holder set
// (the page cache, a share) and the 100,000-holder set (a disc): reading ahead where the passes
// cost less than the searches, and only there; copying the set where a block from the medium
// costs more than copying it (256 KiB as measured) and the copy's pass less than the searches,
// before any search where a request a key costs more.
TEST(BatchLookUp, ReadsAheadOrCopiesWhereThePassesCostLessThanTheSearches) {
  constexpr int64_t k1M = 274999725, k100k = 27500000;
  // 256 KiB and 4 KiB read from the medium, then 256 KiB copied.
  const CopyCosts cache{22e-6, 2e-6, 60e-6, 256 << 10, k1M},
      share{3.1e-3, 0.55e-3, 60e-6, 256 << 10, k1M}, disc{0.125, 0.1, 60e-6, 256 << 10, k100k};
  const struct {
    const char* medium;
    MediumCosts costs;
    size_t keys;
    bool ahead;
    CopyCosts copy;
    bool copies, first;
  } rows[]{
      {"page cache, 100,000 keys", {70e-6, 0.32e-3, 4 << 20, k1M, 999999}, 100000, 0, cache, 0, 0},
      {"share, 100,000 keys", {5e-3, 42e-3, 4 << 20, k1M, 999999}, 100000, 1, share, 1, 1},
      {"share, 1,000 keys", {35e-3, 42e-3, 4 << 20, k1M, 999999}, 1000, 0, share, 1, 0},
      {"share, 20 keys", {35e-3, 42e-3, 4 << 20, k1M, 999999}, 20, 0, share, 0, 0},
      {"disc, 100 keys", {0.8, 0.52, 4 << 20, k100k, 100000}, 100, 1, disc, 1, 1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(readsAhead(row.costs, row.keys, 32768), row.ahead) << row.medium;
    const double searching = row.costs.secondsPerKey * static_cast<double>(row.keys);
    EXPECT_EQ(copiesSet(row.copy, searching), row.copies) << row.medium;
    const double asking = row.copy.secondsToAsk * static_cast<double>(row.keys);
    EXPECT_EQ(copiesSet(row.copy, asking), row.first) << row.medium;
  }
}

// text without trailing blanks and ideographic spaces.
std::string unpadded(const std::string& text) {
  std::u16string wide = fromUtf8(text);
  while (!wide.empty() && (wide.back() == u' ' || wide.back() == u'\u3000')) wide.pop_back();
  return toUtf8(wide);
}

// The export's row of one screen of --by KIND --json: the texts without their fields' padding.
Json rowOfScreen(const std::string& line) {
  const Json screen = Json::parse(line);
  const std::u16string security = fromUtf8(screen["security"].get<std::string>());
  Json row{unpadded(toUtf8(security.substr(0, 6))), toUtf8(security.substr(8))};
  for (const char* field :
       {"allotment_type", "data_date", "holder_no", "holder_name", "id_no", "id_mark", "account_no",
        "transfer_shares", "collateral_shares", "collateral_count", "data_category", "per_holder"})
    row.push_back(unpadded(screen[field]));
  return row;
}

// An export walks the whole key order into a file that, read back as a spreadsheet program reads
// it (read_export.py), holds the screens 次筆 shows and replaces the old file; a chain that
// breaks, ends early or runs in a cycle stops it with its message, leaving the old file as it
// was. Nothing else is left behind. The same from a copy of the set, whose rows are made in the
// holder data file's order.
TEST(RegisterExport, HoldsEveryScreenOfTheWalkOrStopsAtAChainFault) {
  const std::string text = "s:@ s:@ s:@ s:@ s:@ s:@ s:@ s:@ s:@ ";
  struct Case {
    std::string fixture;
    std::string by;  // "": 統一編號, the default
    std::string file;
    std::string form;   // as read_export.py gives it, or the message of the fault
    int64_t record{0};  // the detail record whose field is changed
    RecordField next{};
    std::string successor{};
    int written{0};  // holders written before the fault showed
  };
  const Case kCases[] = {
      {"basic", "", "out.csv", "BOM CRLF"},
      {"basic", "--by name", "out.xlsx",
       "1 A2 A1:N31 " + text + "n:#,##0.00 n:#,##0.00 n:#0 s:@ s:@"},
      {"wide", "--by holder", "OUT.XLSX", "1 A2 A1:N301 " + text + "n:#,##0 n:#,##0 n:#0 s:@ s:@"},
      {"basic", "--by id", "out.csv",
       "kv884-query: 統一編號 鏈結在明細記錄 1 中斷：下一筆 999 讀不到", 1, DetailRecord::kNextById,
       "000999", 8},
      {"basic", "--by name", "out.csv",
       "kv884-query: 中文戶名 鏈結走過 29 筆明細記錄便結束，另有 1 筆走不到", 28,
       DetailRecord::kNextByName, "999999", 29},  // the last but one in its order
      {"basic", "--by id", "out.csv",
       "kv884-query: 統一編號 鏈結在明細記錄 1 中斷：下一筆「ABCDEF」不是數字", 1,
       DetailRecord::kNextById, "ABCDEF", 8},
      {"basic", "--by id", "out.xlsx",
       "kv884-query: 統一編號 鏈結形成循環：明細記錄 1 的下一筆 1 已走過", 1,
       DetailRecord::kNextById, "000001", 8},  // back to itself in mid-order
      {"basic", "--by id", "out.csv", "MSG_1_08:資料讀取錯誤 !\n63\n錯誤的記錄編號", 1,
       DetailRecord::kDataRecNo, "000999", 7},  // the eighth holder's record is not there
  };
  for (const Case& c : kCases) {
    for (const std::string copying : {"", "always"}) {
      SCOPED_TRACE(c.form + copying);
      EnvironmentVariable copySet("KV884_COPY_SET", copying);
      FixtureSet set(c.fixture);
      if (c.record) {
        set.setDetailField(c.record, c.next, c.successor);
      } else if (c.fixture == "basic") {  // decimal flag Y, as before
        // A security name with a double quote; a holder name with a comma, quotes and a line break,
        // and one that a spreadsheet would take for a formula.
        writeFile(set.descriptor(), "7701,\xB8s\"\xACP,20150115,Y");  // 群"星
        set.setDetailField(7, DetailRecord::kHolderName, "a,\"b\"\r\nc");
        set.setDetailField(8, DetailRecord::kHolderName, "=1+2");
      }
      const fs::path file = set.temp.path() / c.file;
      writeFile(file, "old");  // readable by all
      CommandResult r =
          query(set.temp.path(), "%t/" + c.fixture + " --export " + file.string() + " " + c.by);
      EXPECT_EQ(std::distance(fs::directory_iterator(set.temp.path()), {}),
                2);  // the set, the file
      if (c.record) {
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.form + "\nkv884-query: 匯出中止：暫存檔寫入 " +
                             std::to_string(c.written) + " 位持有人後已刪除，" + file.string() +
                             " 保持原狀\n");
        EXPECT_EQ(readFile(file), "old");
        continue;
      }
      ASSERT_EQ(r.status, 0) << r.err;
      EXPECT_EQ(r.out + r.err, "");
      const Json got =
          Json::parse(runCommand("/usr/bin/python3 " +
                                 shellQuote(KV884_SOURCE_DIR "/tests/cli/read_export.py") + " " +
                                 shellQuote(file.string()))
                          .out);
      EXPECT_EQ(got["form"], c.form);
      EXPECT_EQ(got["rows"][0], Json::parse(R"(["證券代號", "證券名稱", "配發類別", "資料日期",
        "戶號", "戶名", "身分證/營利事業統一編號", "強迫入帳", "集保帳號", "劃撥股數",
        "擔保品/全權委託撥轉股數", "擔保品/全權委託撥轉筆數", "資料類別", "逐戶配發"])"));
      const std::vector<std::string> screens = linesOf(
          query(set.temp.path(), "%t/" + c.fixture + " --json " + (c.by.empty() ? "--by id" : c.by))
              .out);
      ASSERT_EQ(got["rows"].size(), screens.size() + 1);
      for (size_t i = 0; i < screens.size(); ++i) {
        Json row = rowOfScreen(screens[i]);
        if (row[5] == "=1+2" && c.file.ends_with(".csv")) row[5] = "'=1+2";  // as text
        ASSERT_EQ(got["rows"][i + 1], row) << "row " << i + 1;
      }
    }
  }
}

}  // namespace
}  // namespace kv884::test

// kv884-mkset run in-process, its data sets read back. Every layout checks sound with kv884-check
// (every chain whole and in key order, every page key right, every key equal to its data record)
// with the counts its options ask for; read here is what the check does not look at: the unused
// page entries, the field texts as the viewer shows them, the order of equal keys, the descriptor
// and the count report.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "check/check_command.hpp"
#include "mkset/mkset_command.hpp"
#include "platform/big5.hpp"
#include "querywin/query_boxes.hpp"
#include "support/command.hpp"
#include "support/fixture_set.hpp"
#include "support/full_disc.hpp"

namespace kv884::test {
namespace {

// Ten holders: three share the ID A123456789 (and the name 陳志明), one ID is typed in small
// letters, one is a business number; names in half-width and full-width letters, one with a
// comma and quotes, one with a leading blank, one with a user-defined character; a quantity with
// blanks in it and a blank one.
constexpr const char* kCsv =
    "file:account_no,id_no,holder_no,holder_name,transfer_shares,allotment_type,data_category,"
    "forced_posting_flag,per_holder_flag,collateral_shares,collateral_count\n"
    "60100000001,A123456789,0000000105,陳志明,1500000,0,1, ,Y,0,0\n"
    "98000000002,b223456789,0000000101, 林美玲,250,A,2,2,N,120000,3\n"
    "53800000003,A123456789,0000000103,陳志明,77,B, , , ,0,0\n"
    "70000000004,12345678,G000001,ＡＢＣ股份有限公司,   12 345,C,1,1,Y,0,0\n"
    "11600000005,A123450000,0000000102,\"Smith, \"\"J\"\"\",5,E,1, ,Y,0,0\n"
    "60100000006,C111111111,0000000104,周\xEE\x80\x80倫,,F,2, ,N,5,1\n"
    "98450000007,A123456790,0000000100,abc Trading,9,G,1, ,Y,0,0\n"
    "60100000008,Z100000008,0000000107,ＡＢＣ實業有限公司,10,D,1, ,Y,0,0\n"
    "60100000009,F200000009,0000000106,王小明,11, ,2, ,Y,0,0\n"
    "60100000010,A123456789,0000000108,陳志明,12,0,1, ,Y,0,0\n";

// kv884-mkset TEMP/set args, where an argument "file:TEXT" stands for a file holding TEXT.
CommandResult mkset(const TempFolder& temp, std::vector<std::string> args) {
  args.insert(args.begin(), (temp.path() / "set").string());
  for (size_t i = 0; i < args.size(); ++i)
    if (args[i].starts_with("file:")) {
      writeFile(temp.path() / std::to_string(i), args[i].substr(5));
      args[i] = (temp.path() / std::to_string(i)).string();
    }
  return runInProcess(mkset::runMkset, args);
}

// The count report decoded, with every run of blanks made one blank.
std::string reportText(const fs::path& file) {
  std::string out;
  for (char c : toUtf8(decodeBig5(readFile(file))))
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

TEST(RoundTrip, EveryLayoutChecksSoundWithItsRunsAndPagesAndFilesHoldWhatTheOptionsSay) {
  auto withCsv = [](std::vector<std::string> options) {
    options.insert(options.begin(), {"--csv", kCsv, "--code", "7705", "--name", "群星, 水泥",
                                     "--date", "20250115", "--run-length"});
    return options;
  };
  const struct {
    std::vector<std::string> args;
    int64_t holders, runLength;
    int leafPages;
    std::string reportPart;
  } cases[] = {
      {withCsv({"1"}), 10, 1, 1, ""},
      // A report computed: holders and shares per known code in order, then the others met.
      {withCsv({"1", "--runs-per-page", "3"}), 10, 1, 4,
       "7705 群星, 水泥 帳簿劃撥配發筆數\r\n資料日期：20250115\r\n\r\n配發類別 筆數 股數\r\n"
       "一般配發 2 1,500,012\r\n中籤配發 1 250\r\n"},
      {withCsv({"2", "--runs-per-page", "2"}), 10, 2, 3,
       "庫存股解除轉讓 1 9\r\n其他（空白） 1 11\r\n其他（D） 1 10\r\n合計 10 1,512,719\r\n"},
      {withCsv({"3", "--runs-per-page", "1"}), 10, 3, 4,
       "\r\n無償配股 6 1,512,381\r\n有償配股 3 261\r\n其他 1 77\r\n合計 10 1,512,719"},
      {withCsv({"4", "--runs-per-page", "2", "--decimal-flag", "Y"}), 10, 4, 2,
       "合計 10 15,127.19"},
      // A report given: every line break written as CR LF.
      {withCsv({"10", "--report", "file:群星\n\r合計  30\r\nend"}), 10, 10, 1,
       "群星\r\n\r\n合計 30\r\nend"},
      // Without --run-length, the smallest whose leaf pages one root page can name.
      {{"--synthetic", "50", "--code", "7705", "--runs-per-page", "3"}, 50, 1, 17, ""},
      {{"--synthetic", "201", "--code", "7705", "--runs-per-page", "2"}, 201, 2, 51, ""},
      {{"--synthetic", "10000", "--code", "7705"}, 10000, 1, 100, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1] + " " + c.args.back());
    TempFolder temp;
    const CommandResult run = mkset(temp, c.args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("(run length " + std::to_string(c.runLength) + ";"), std::string::npos);
    const CommandResult check =
        runInProcess(runCheckCommand, {(temp.path() / "set").string(), "--json"});
    EXPECT_EQ(check.status, kCheckSound) << check.out;
    const auto report = nlohmann::json::parse(check.out);
    EXPECT_EQ(report["files"]["holder_data"]["records"], c.holders);
    EXPECT_EQ(report["files"]["key_index"]["records"], 4 + 4 * c.leafPages);  // none unnamed
    for (const auto& kind : report["kinds"])
      EXPECT_EQ(std::tuple(kind["chain_length"], kind["leaf_pages"], kind["root_used_entries"]),
                std::tuple(c.holders, c.leafPages, c.leafPages));
    EXPECT_NE(reportText(temp.path() / "set/ntr/7705.ptr").find(c.reportPart), std::string::npos)
        << c.reportPart;
  }
}

// The boxes of each screen that a search in the query window shows, without trailing blanks and
// joined by '|', one line a screen, as far as 次筆 goes (five screens at most).
std::string screens(const fs::path& set, int kind, std::u16string key) {
  HeadlessUi ui;
  Program program(ui);
  program.frm_0.tx_i_01.text = fromUtf8(set.string());
  program.frm_0.cmd_1_Click();
  QueryWindow& window = *program.queryWindow();
  window.comb_1.text = keyKind(kind).caption;
  window.tx_i_01.text = key;
  window.cmd_1_Click();
  std::string lines;
  for (int screen = 1; screen <= 5; ++screen, window.cmd_2_Click()) {
    for (const QueryBox& box : kQueryBoxes) {
      const std::string text = toUtf8((window.*box.box).text);
      if (!box.field.empty() && box.field != "ring")
        lines += text.substr(0, text.find_last_not_of(' ') + 1) + "|";
    }
    lines.back() = '\n';
    if (!window.cmd_2.enabled) break;
  }
  return lines;
}

// What the CSV says is what the viewer shows; equal keys stand together in input order.
TEST(RoundTrip, ViewerShowsTheCsvValues) {
  TempFolder temp;
  ASSERT_EQ(mkset(temp, {"--csv", kCsv, "--code", "7705", "--date", "1"}).status, 0);
  const std::string chen =
      "7705|一般配發|1|0000000105|陳志明|A123456789|　|60100000001|1,500,000|0|0|1|Y\n"
      "7705|員工限制轉讓|1|0000000103|陳志明|A123456789|　|53800000003|77|0|0||\n"
      "7705|一般配發|1|0000000108|陳志明|A123456789|　|60100000010|12|0|0|1|Y\n";
  const struct {
    int kind;
    const char16_t* key;
    std::string screens;
  } cases[] = {
      {3, u"0000000101",
       "7705|中籤配發|1|0000000101| 林美玲|B223456789|＊|98000000002|250|120,000|3|2|N\n"},
      {3, u"G",
       "7705|解除限制轉讓|1|G000001|ＡＢＣ股份有限公司|12345678|　|70000000004|12,345|0|0|1|Y\n"},
      {4, u"周\uE000",
       "7705|庫存股限制轉讓|1|0000000104|周\uE000倫|C111111111|　|60100000006|0|5|1|2|N\n"},
      {1, u"a123456789", chen},
      {4, u"陳", chen},
  };
  for (const auto& c : cases) EXPECT_EQ(screens(temp.path() / "set", c.kind, c.key), c.screens);
  // Stored as the viewer does not show: quantities zero-filled.
  EXPECT_NE(readFile(temp.path() / "set/ntr/7705.sin").find("0000000000250"), std::string::npos);
}

// A holder name of any printable ASCII makes a set that checks sound: the six signs whose
// full-width form Big5 lacks stand in the name key as the nearest double-byte signs.
TEST(RoundTrip, ANameOfAnyPrintableAsciiMakesASoundSet) {
  std::string csv = "file:id_no,holder_name\n";
  for (int c = ' '; c <= '~'; c += 6) {
    std::string name;
    for (int n = c; n < c + 6 && n <= '~'; ++n)
      name += n == '"' ? std::string("\"\"") : std::string(1, static_cast<char>(n));
    csv += "A" + std::to_string(c) + ",\"" + name + "\"\n";
  }
  TempFolder temp;
  const CommandResult run = mkset(temp, {"--csv", csv, "--code", "1"});
  ASSERT_EQ(run.status, 0) << run.err;
  const CommandResult check = runInProcess(runCheckCommand, {(temp.path() / "set").string()});
  EXPECT_EQ(check.status, kCheckSound) << check.out;
  // Found by the key's beginning in the forms it is stored in.
  EXPECT_NE(
      screens(temp.path() / "set", 4, u"\uFF3C\u3015\uFE3F\uFF3F\u2035").find("|\\]^_`a|A92|"),
      std::string::npos);
}

// Bad usage exits with 64; input or options that cannot make a set exit with 1, name the line and
// the column of a bad CSV value, and write nothing. --help lists the CSV columns.
TEST(Command, EachOutcomeHasItsStatusAndMessage) {
  struct Case {
    int status;
    const char* message;
    std::vector<std::string> args;
  };
  std::vector<Case> cases{
      {64, "kv884-mkset: --code is required", {"--synthetic", "5"}},
      {64, "kv884-mkset: ", {"--code", "1"}},
      {64, "kv884-mkset: ", {"--synthetic", "5", "--csv", "file:", "--code", "1"}},
      {64, "kv884-mkset: ", {"--synthetic", "0", "--code", "1"}},
      {64, "kv884-mkset: ", {"--synthetic", "1000000", "--code", "1"}},
      {64, "kv884-mkset: ", {"--synthetic", "5", "--code", "1", "--runs-per-page", "101"}},
      {0, "", {"--help"}},
      {1,
       "kv884-mkset: a run length of 1 cannot hold 300 holders",
       {"--synthetic", "300", "--code", "1", "--run-length", "1", "--runs-per-page", "2"}},
      {1,
       "the smallest run length that fits is 2",
       {"--synthetic", "201", "--code", "1", "--run-length", "1", "--runs-per-page", "2"}},
      {1, "\"a\"b\" holds a double quote", {"--synthetic", "5", "--code", "1", "--name", "a\"b"}},
      {1, "\"../1\" cannot be part of a file name", {"--synthetic", "5", "--code", "../1"}}};
  // Holder files that cannot make a set.
  for (auto [message, csv] : std::initializer_list<std::pair<const char*, const char*>>{
           {"kv884-mkset: the CSV file is empty", ""},
           {"kv884-mkset: there are no holders to write", "id_no\n"},
           {"line 1: unknown column \"phone\"", "account_no,phone\n1,2\n"},
           {"line 1: column \"id_no\" appears twice", "id_no, id_no\n1,2\n"},
           {"line 3: 1 fields, but the header names 2", "id_no,holder_no\n\nA1\n"},
           {"line 3, column id_no: 11 characters, at most 10",
            "\xEF\xBB\xBFid_no\rA1\r\nA1234567890\n"},
           {"line 2, column holder_no: \"戶\" where only printable ASCII characters are stored",
            "holder_no\n戶號\n"},
           {"column holder_name: 20 characters, at most 19", "holder_name\n12345678901234567890\n"},
           {"\"\xC3\xA9\" has no Big5 form", "holder_name\nJos\xC3\xA9\n"},
           {"a control character", "holder_name\na\tb\n"},
           {"line 2, column holder_name: \"\x7F\" among the first six characters has no "
            "double-byte",
            "holder_name\na\x7F\n"},
           {"the CSV file is UTF-16, not UTF-8", "\xFF\xFEh\n"},
           {"the CSV file is Big5", "holder_name\n\xB8s\xACP\n"},
           {"line 2, column holder_name: bytes that are not UTF-8",
            "id_no,holder_name\nA1,ab\xC3(\n"},
           {"line 4: a quoted field is never closed", "a,\"x\ny\"\n\n\"open\nnever closed"},
           {"line 1: text after a closing quote", "\"closed\"text,b"}})
    cases.push_back({1, message, {"--csv", std::string("file:") + csv, "--code", "1"}});
  for (const auto& c : cases) {
    TempFolder temp;
    const CommandResult run = mkset(temp, c.args);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(temp.path() / "set")) << c.message;
    EXPECT_EQ(run.out.find("collateral_count") != std::string::npos, c.status == 0);
  }
}

// OUT_FOLDER is built beside and put in place when complete: a target that may not or cannot be
// replaced, and a full disc, end the run with their message and status and leave the temporary
// folder as it was, an old set in OUT_FOLDER included; --force replaces a set whole; a name in
// Chinese is made as given.
TEST(Command, OutFolderIsReplacedWholeOrLeftAsItWas) {
  const std::string longName(256, 'n');
  std::string longPath;
  while (longPath.size() <= 32768) longPath += "d/";  // past the longest path of either host
  std::string chinese;  // 240 bytes, so its temporary's name is cut inside it
  while (chinese.size() < 240) chinese += "帳冊";
  const struct {
    std::string out;  // %t: the temporary folder, which holds the set %t/old and the file %t/f
    std::vector<std::string> options;
    int status;
    std::string message;
    bool fullDisc{false};
  } cases[] = {
      {"%t/old", {}, 1, "kv884-mkset: %t/old is not empty; --force replaces it whole\n"},
      {"%t/f", {"--force"}, 1, "kv884-mkset: %t/f is not a folder\n"},
      {"%t/loop/set", {}, 2, "kv884-mkset: %t/loop/set 無法寫入：75 路徑/檔案存取錯誤\n"},
      {"%t/" + longName, {}, 2, "無法寫入：52 錯誤的檔案名稱或數目\n"},
      {"%t/" + longPath + "set", {}, 2, "無法寫入：52 錯誤的檔案名稱或數目\n"},
      {"%t/f/set", {}, 2, "kv884-mkset: %t/f/set 無法寫入：76 找不到路徑\n"},
      {"%t/full/old", {"--force"}, 2, "kv884-mkset: %t/full/old 無法寫入：61 磁碟已滿\n", true},
      {"%t/" + chinese, {}, 0, ""},
      {"%t/old", {"--force"}, 0, ""},
  };
  TempFolder temp;
  const std::string t = temp.path().string();
  ASSERT_EQ(runInProcess(mkset::runMkset, {t + "/old", "--synthetic", "7", "--code", "1"}).status,
            0);
  writeFile(temp.path() / "f", "f");
  std::error_code noLinks;  // Wine makes no symbolic links
  fs::create_symlink("loop", temp.path() / "loop", noLinks);
  FullDisc disc(temp.path() / "full", false);
  if (disc.mounted()) {
    fs::copy(temp.path() / "old", temp.path() / "full/old", fs::copy_options::recursive);
    disc.fill();
  }
  const std::map<std::string, std::string> before = contentsOf(temp.path());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.out.substr(0, 40));
    // No right to mount a file system here, or no links.
    if ((c.fullDisc && !disc.mounted()) || (noLinks && c.out.starts_with("%t/loop"))) continue;
    std::vector<std::string> args{within(t, c.out), "--synthetic", "3", "--code", "1"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CommandResult run = runInProcess(mkset::runMkset, args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(within(t, c.message)), std::string::npos) << run.err;
    if (c.status != 0) {
      EXPECT_EQ(contentsOf(temp.path()), before);
    }
  }
  const CommandResult check = runInProcess(runCheckCommand, {t + "/old", "--json"});
  EXPECT_EQ(check.status, kCheckSound);
  EXPECT_EQ(nlohmann::json::parse(check.out)["files"]["holder_data"]["records"], 3);
  EXPECT_TRUE(fs::is_directory(temp.path() / std::u8string(chinese.begin(), chinese.end())));
  EXPECT_EQ(fs::directory_iterator(temp.path())->path().filename().string().find(".old.kv884-"),
            std::string::npos);
}

}  // namespace
}  // namespace kv884::test

// Damaged data sets. Each row damages a copy of the basic fixture as a bad disc or a faulty
// producer would, opens it through the start window, does one thing in the query window, and
// names what must follow: every message shown, boxes, and whether 次筆 is offered. Whatever the
// damage: a failed opening leaves no file open and the open button enabled; a message after
// opening leaves the record on display as it was (MSG_1_08: the whole window, every value); no
// action reads more detail records than the file holds.
//
// The basic fixture as the rows use it: root pages 1 (統一編號), 2 (帳號), 4 (戶號) and 3
// (中文戶名), whose first entries name leaf pages 18, 16, 10 and 15, whose first entries name the
// first records of the chains: 2 (13491643), 3 (11602733093), 1 (0000100301) and 23. The last
// records are 24 (Z113453363), 2 (98457419255), 27 (T000000001) and 2 (譚華玲). Detail record 1
// is B120000301 (張國華, data record 14); 30 is J240326344 (帳號 98000003332, data record 11),
// followed in 帳號 order by 27 (98000070001); in 戶號 order 1 is followed by 6.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>

#include "dataset/key_kind.hpp"
#include "platform/big5.hpp"
#include "querywin/query_boxes.hpp"
#include "support/fixture_set.hpp"
#include "support/window_snapshot.hpp"

namespace kv884::test {
namespace {

using Step = std::function<void(FixtureSet&)>;
using Box = std::pair<TextBox QueryControls::*, std::u16string>;

struct Case {
  std::string name;
  Step damage{};               // before opening
  Step act{};                  // the action the row is about
  Texts messages{};            // every message, "{folder}" standing for the folder text
  std::vector<Box> boxes{};    // at the end
  std::optional<bool> next{};  // 次筆 at the end
  Step prepare{};              // after opening and before the action, without a message
  std::u16string values{};     // code|name|date|flag after the opening, when given
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

Step find(int kind, std::u16string key) {
  return [=](FixtureSet& s) { s.search(kind, key); };
}
Step press(ClickOutcome (QueryWindow::*click)()) {
  return [=](FixtureSet& s) { (s.window().*click)(); };
}
Step entry(int kind, int page, int n, std::string digits) {
  return [=](FixtureSet& s) { s.setEntryNumber(kind, page, n, digits); };
}
Step detail(int64_t recNo, RecordField f, std::string bytes) {
  return [=](FixtureSet& s) { s.setDetailField(recNo, f, bytes); };
}
Step cutTo(fs::path (FixtureSet::*file)() const, size_t length) {
  return [=](FixtureSet& s) { fs::resize_file((s.*file)(), length); };
}
Step blankRoot(int kind) {
  return [=](FixtureSet& s) {
    FixtureSet::patchAt(s.keyIndex(), (keyKind(kind).rootPage - 1) * size_t{kKeyPageLength},
                        encodeBig5(keyPageText(keyKind(kind), {})));
  };
}
Box id(std::u16string text) {
  return {&QueryControls::tx_o_04, std::move(text)};
}

// The no-match messages by number: MSG_1_02 to MSG_1_07.
std::u16string miss(int n) {
  return u"MSG_1_0" + std::u16string(1, static_cast<char16_t>(u'0' + n)) + u":無符合資料 !";
}
const std::u16string kB12 = u"B120000301";
const std::u16string kJ24 = u"J240326344";
const std::u16string k134 = u"13491643  ";
const std::u16string kQ20 = u"Q206513468";

// Each data file missing, empty, a folder in its place or unreadable; the data folder missing.
std::vector<Case> openingCases() {
  struct File {
    const char* relative;
    const char16_t* code;
    const char16_t* whenEmpty;  // the message of an empty file that opens
  };
  const File kFiles[] = {{"ntridx/security.txt", u"MSG_0_17 ", nullptr},
                         {"ntr/7701.sin", u"MSG_0_03 ", u"MSG_0_16 資料燒錄錯誤 !"},
                         {"ntridx/7701idxp.sin", u"MSG_0_03 ", u"MSG_0_01 無可查詢資料 !"},
                         {"ntridx/7701idxd.sin", u"MSG_0_03 ", u"MSG_0_02 資料燒錄錯誤 !"}};
  const std::pair<std::string, std::u16string> kDamages[] = {{"missing", u"53\r\n找不到檔案"},
                                                             {"empty", u"62\r\n輸入超過檔案結尾"},
                                                             {"folder", u"75\r\n路徑/檔案存取錯誤"},
                                                             {"unreadable", u"70\r\n沒有使用權限"}};
  std::vector<Case> cases{
      {.name = "data_folder_missing",
       .damage = [](FixtureSet& s) { fs::remove_all(s.folder / "ntr"); },
       .messages = {u"MSG_0_03 {folder}/ntr/7701.sin 開檔錯誤 !\r\n76\r\n找不到路徑"}},
      {.name = "data_folder_unreadable",  // a folder the user may not enter
       .damage = [](FixtureSet& s) { fs::permissions(s.folder / "ntr", fs::perms::none); },
       .messages = {u"MSG_0_03 {folder}/ntr/7701.sin 開檔錯誤 !\r\n70\r\n沒有使用權限"}}};
  for (const File& f : kFiles)
    for (const auto& [damage, error] : kDamages) {
      const std::u16string path = fromUtf8(f.relative);
      const bool emptyOpens = damage == "empty" && f.whenEmpty;
      cases.push_back(
          {.name = std::string(f.relative) + "_" + damage,
           .damage =
               [relative = std::string(f.relative), damage](FixtureSet& s) {
                 const fs::path file = s.folder / relative;
                 if (damage == "empty") fs::resize_file(file, 0);
                 if (damage == "missing" || damage == "folder") fs::remove(file);
                 if (damage == "folder") fs::create_directory(file);
                 if (damage == "unreadable") fs::permissions(file, fs::perms::none);
               },
           .messages = {emptyOpens ? std::u16string(f.whenEmpty)
                                   : f.code + (u"{folder}/" + path) + u" 開檔錯誤 !\r\n" + error}});
    }
  return cases;
}

// The descriptor's values are stored as they are read: a descriptor that fails keeps those read
// before the failure (one that ends early fails as an empty one: ntridx/security.txt_empty).
std::vector<Case> descriptorCases() {
  auto write = [](std::string bytes) {
    return [=](FixtureSet& s) { writeFile(s.descriptor(), bytes); };
  };
  std::vector<Case> cases{
      {.name = "descriptor_big5_code_names_no_file",
       .damage = write("\"\xB8\x73\",\"N\",\"D\",\"Y\""),
       .messages = {u"MSG_0_03 {folder}/ntr/群.sin 開檔錯誤 !\r\n53\r\n找不到檔案"},
       .values = u"群|N|D|Y"}};
  // A code that is no plain file-name stem is refused before any file is formed from it, and an
  // item beyond the reader's bound before it takes more memory.
  const std::pair<std::string, std::string> kRefused[] = {
      {"code_leaving_the_folder", "../../outside/7701"},
      {"code_with_a_backslash", "..\\7701"},
      {"code_with_dots", "7701..x"},
      {"code_with_a_control_character", "77\t01"},
      {"code_too_long_for_a_file_name", std::string(248, '7')},
      {"date_beyond_the_item_bound", "7701\",\"\xB8\x73\xAC\x50\",\"" + std::string(1025, '2')}};
  for (const auto& [name, items] : kRefused) {
    const bool tooLong = name.starts_with("date");
    cases.push_back({.name = "descriptor_" + name,
                     .damage = write("\"" + items + "\",\"D\",\"Y\""),
                     .messages = {u"MSG_0_17 {folder}/ntridx/security.txt 開檔錯誤 !\r\n" +
                                  std::u16string(tooLong ? u"59\r\n錯誤的記錄長度"
                                                         : u"52\r\n錯誤的檔案名稱或數目")},
                     .values = tooLong ? u"7701|群星|-|-" : u"-|-|-|-"});
  }
  return cases;
}

std::vector<Case> indexCases() {
  const Step allLeafKeysBlank = [](FixtureSet& s) {
    for (int e = 1; e <= 100; ++e) s.setEntryKey(1, 18, e, std::string(12, ' '));
  };
  const Step growIndexFiles = [](FixtureSet& s) {
    FixtureSet::patchAt(s.keyIndex(), fs::file_size(s.keyIndex()), "1234567");
    FixtureSet::patchAt(s.detailIndex(), fs::file_size(s.detailIndex()), "B1");
  };
  const Step unmappedRootKey = [](FixtureSet& s) { s.setEntryKey(1, 1, 1, "\xA3\xC0          "); };
  const Step loneLeadInNameKey = [](FixtureSet& s) { s.dropTrailByte(1, DetailRecord::kNameKey); };
  const Step emptyFirstRootEntry = [](FixtureSet& s) {
    s.setEntryNumber(1, 1, 1, "000000");
    s.setEntryKey(1, 1, 2, "ZZZZZZZZZZZZ");
    s.setEntryNumber(1, 1, 2, "000018");
  };
  const auto byId = DetailRecord::kNextById;
  const auto byAccount = DetailRecord::kNextByAccount;
  const Step findJ24 = find(2, u"980000");  // J240326344's 帳號, then 27 in its order
  const Step cutDetail = cutTo(&FixtureSet::detailIndex, 29 * 153 + 55);  // in the last record
  const Step cutKeys = cutTo(&FixtureSet::keyIndex, 23 * 1800 + 1);  // to a lead byte of a leaf
  return {
      // Root page entries; one naming no readable page ends with the walk's message.
      {"root_entry_000000", entry(1, 1, 1, "000000"), find(1, u"1"), {miss(2)}},
      {"root_entry_beyond_file", entry(3, 4, 1, "000025"), find(3, u""), {miss(6)}},
      {"root_entry_letters", entry(4, 3, 1, "A00015"), find(4, u""), {miss(3)}},
      {"root_entry_blanks_in_digits", entry(1, 1, 1, "  0 18"), find(1, u"1"), {}, {id(k134)}},
      {"root_without_used_entry", blankRoot(1), find(1, u""), {miss(2)}},
      // An empty entry ends the root page's scan, even with a used entry after it.
      {"root_entry_empty_before_a_used_one", emptyFirstRootEntry, find(1, u"Z2"), {miss(2)}},
      {"name_root_without_used_entry", blankRoot(4), find(4, u""), {miss(3)}},
      // An unmapped pair in a root key compares above every key.
      {"unmapped_pair_in_root_key", unmappedRootKey, find(1, u"1"), {}, {id(k134)}},
      // Leaf page entries.
      {"leaf_entry_000000", entry(1, 18, 1, "000000"), find(1, u"1"), {miss(4)}},
      {"leaf_entry_999999", entry(2, 16, 1, "999999"), find(2, u""), {miss(5)}},
      {"leaf_entry_last_record", entry(3, 10, 1, "000030"), find(3, u""), {}, {id(kJ24)}},
      {"leaf_entry_letters", entry(4, 15, 1, "ABCDEF"), find(4, u""), {miss(7)}},
      {"leaf_page_no_entry_reached", allLeafKeysBlank, find(1, u"1"), {miss(4)}},
      // Successors met during the walk and by the read-ahead after a match.
      {"walk_successor_000000", detail(2, byId, "000000"), find(1, u"16"), {miss(4)}},
      {"walk_successor_letters", detail(3, byAccount, "00O014"), find(2, u"11603"), {miss(5)}},
      {"walk_successor_blanks", detail(3, byAccount, "   014"), find(2, u"11603"), {}, {id(kQ20)}},
      {"read_ahead_sound", {}, findJ24, {}, {id(kJ24)}, true},
      {"read_ahead_zero", detail(30, byAccount, "000000"), findJ24, {}, {id(kJ24)}, false},
      {"read_ahead_beyond_file", detail(30, byAccount, "000031"), findJ24, {}, {id(kJ24)}, false},
      {"read_ahead_blanks", detail(30, byAccount, "      "), findJ24, {}, {id(kJ24)}, false},
      {"read_ahead_blanks_in_digits", detail(30, byAccount, "  0027"), findJ24, {}, {}, true},
      // A lone lead byte in 張國華's name key moves every later character one position on.
      {"lone_lead_byte_in_name_key", loneLeadInNameKey, find(4, u"張國華"), {miss(7)}},
      // Files of a length that is no multiple of their records.
      {"detail_file_cut", cutDetail, findJ24, {}, {id(kJ24)}, false},
      {"key_index_cut_to_a_lead_byte", cutKeys, find(4, u"張美玲"), {miss(7)}},
      {"index_files_grown", growIndexFiles, find(1, kB12), {}, {id(kB12)}},
  };
}

std::vector<Case> holderDataCases() {
  const Step cutHolderData = [](FixtureSet& s) {
    s.search(3, u"");
    s.window().cmd_2_Click();
    fs::resize_file(s.holderData(), 0);
  };
  const Step pastTheEnd = [](FixtureSet& s) {
    FixtureSet::patchAt(s.holderData(), 30 * 122, "ABCDE");
    s.setDetailField(30, DetailRecord::kDataRecNo, "000031");
  };
  const Step unmappedInAccount = [](FixtureSet& s) {
    s.setHolderField(14, HolderRecord::kAccountNo, "\xA3\xC0");
  };
  const Step unmappedInName = detail(1, DetailRecord::kHolderName, "\xA3\xC0");
  const Step loneLeadInName = [](FixtureSet& s) { s.dropTrailByte(1, DetailRecord::kHolderName); };
  const Step findB12 = find(1, kB12);
  const std::u16string blanks(15, u' ');
  auto name = [](std::u16string text) { return Box{&QueryControls::tx_o_03, std::move(text)}; };
  auto account = [](std::u16string text) { return Box{&QueryControls::tx_o_05, std::move(text)}; };
  std::vector<Case> cases{
      {.name = "next_to_an_unreadable_holder_record",
       .damage = detail(6, DetailRecord::kDataRecNo, "000031"),
       .act = press(&QueryWindow::cmd_2_Click),
       .messages = {kReadError},
       .next = true,
       .prepare = find(3, u"00001003")},
      {.name = "paging_after_the_disc_was_changed",
       .act = press(&QueryWindow::cmd_5_Click),
       .messages = {kReadError},
       .prepare = cutHolderData},
      {"bytes_past_the_last_whole_record_form_one_more",
       pastTheEnd,
       find(1, kJ24),
       {},
       {id(std::u16string(10, u' ')), account(u"ABCDE      ")}},
      // Big5 damage in shown fields: an unmapped pair is one U+FFFD; a lead byte without its trail
      // byte is one U+FFFD and the next byte a character of its own.
      {"unmapped_pair_in_name", unmappedInName, findB12, {}, {name(u"\uFFFD國華 " + blanks)}},
      {"lone_lead_byte_in_name", loneLeadInName, findB12, {}, {name(u"\uFFFD 國華" + blanks)}},
      {"unmapped_pair_in_account",
       unmappedInAccount,
       findB12,
       {},
       {id(u"1200003010"), account(u"\uFFFD800012345B")}}};
  // A record on display, then a key typed in small letters (not left in capitals) for 查詢.
  const Step showOneThenType = [](FixtureSet& s) {
    s.search(2, u"11602733093");
    s.window().comb_1.text = keyKind(1).caption;
    s.window().tx_i_01.text = u"j240326344";
  };
  for (const char* dataRecNo : {"000031", "000000", "999999", "ABCDEF", "      "})
    cases.push_back({.name = std::string("data_rec_no_") + dataRecNo,
                     .damage = detail(30, DetailRecord::kDataRecNo, dataRecNo),
                     .act = press(&QueryWindow::cmd_1_Click),
                     .messages = {kReadError},
                     .prepare = showOneThenType});
  return cases;
}

// A chain that comes back to a record: to the record itself, a search walk beyond it ends with
// the order's message; back to the order's first record, 次筆 keeps being offered, one bounded
// step a press.
std::vector<Case> cycleCases() {
  struct Order {
    int kind;
    int64_t last;
    const char* first;
    std::u16string lastKey;
  };
  const Order kOrders[] = {{1, 24, "000002", u"Z113453363"},
                           {2, 2, "000003", u"98457419255"},
                           {3, 27, "000001", u"T000000001"},
                           {4, 2, "000023", u"譚華玲"}};
  const Step fortyNexts = [](FixtureSet& s) {
    for (int press = 0; press < 40 && s.window().cmd_2.enabled; ++press) s.window().cmd_2_Click();
  };
  std::vector<Case> cases;
  for (const Order& o : kOrders) {
    const RecordField successor = keyKind(o.kind).successor;
    // A key above the last one that still passes the pages: the last key and a blank, or for
    // names the last record's name key lowered to 譚華.
    const Step toItself = [=](FixtureSet& s) {
      s.setDetailField(o.last, successor, toUtf8(recordNumberText(o.last)));
      if (o.kind == 4)
        s.setDetailField(o.last, {DetailRecord::kNameKey.position + 2, 1}, "\xA1\x40");
    };
    const std::string kind = std::to_string(o.kind);
    const std::u16string keyAbove = o.kind == 4 ? o.lastKey : o.lastKey + u" ";
    cases.push_back({"cycle_to_itself_" + kind,
                     toItself,
                     find(o.kind, keyAbove),
                     {miss(o.kind + 3)},
                     {},
                     false});
    cases.push_back({.name = "cycle_back_to_first_" + kind,
                     .damage = detail(o.last, successor, o.first),
                     .act = fortyNexts,
                     .boxes = {{&QueryControls::tx_o_pnt, u"0001 0041 0041 "}},
                     .next = true,
                     .prepare = find(o.kind, u"")});
  }
  return cases;
}

std::vector<Case> allCases() {
  std::vector<Case> all;
  for (auto* cases : {openingCases, descriptorCases, indexCases, holderDataCases, cycleCases})
    for (Case& c : cases()) all.push_back(std::move(c));
  return all;
}

std::string boxTexts(const QueryWindow& w) {
  std::string texts;
  for (const QueryBox& b : kQueryBoxes) texts += toUtf8((w.*b.box).text) + "|";
  return texts;
}

class DamagedSet : public ::testing::TestWithParam<Case> {};

TEST_P(DamagedSet, EndsWithItsOneOutcome) {
  const Case& c = GetParam();
  if (!permissionsKeepReadersOut() && c.name.ends_with("_unreadable"))
    GTEST_SKIP() << "the file stays readable";
  FixtureSet set;
  if (c.damage) c.damage(set);
  Program& p = set.program;
  p.frm_0.m_SecurityCode = p.g_SecurityName = p.g_DataDate = p.g_DecimalFlag = u"-";
  const ClickOutcome opening = p.frm_0.cmd_1_Click();
  const bool opened = p.queryWindow() != nullptr;
  EXPECT_EQ(opening, opened ? ClickOutcome::Done : ClickOutcome::OpenFailed);
  Texts messages = set.ui.takeMessages();
  const std::u16string values = p.frm_0.m_SecurityCode + u"|" + p.g_SecurityName + u"|" +
                                p.g_DataDate + u"|" + p.g_DecimalFlag;
  EXPECT_TRUE(c.values.empty() || values == c.values) << toUtf8(values);
  if (!opened) {
    EXPECT_TRUE(p.files.openNumbers().empty());
    EXPECT_TRUE(p.frm_0.cmd_1.enabled);
  }
  if (opened && c.act) {
    if (c.prepare) c.prepare(set);
    ASSERT_TRUE(set.ui.messages.empty());
    int64_t detailReads = 0;
    p.files.setReadObserver(
        [&](int fileNo, int64_t) { detailReads += fileNo == kDetailIndexFile; });
    const WindowSnapshot before = snapshot(set.window());
    const std::string boxesBefore = boxTexts(set.window());
    c.act(set);
    Texts after = set.ui.takeMessages();
    EXPECT_TRUE(after != Texts{kReadError} || snapshot(set.window()) == before);
    EXPECT_TRUE(after.empty() || boxTexts(set.window()) == boxesBefore);
    // A walk reads each record at most once, and 40 presses of 次筆 read 40 records.
    EXPECT_LE(detailReads, p.files.recordCount(kDetailIndexFile) + 41);
    EXPECT_EQ(p.files.openNumbers(), (std::vector<int>{1, 2, 3}));
    messages.insert(messages.end(), after.begin(), after.end());
  }
  Texts expected;
  for (std::u16string m : c.messages) {
    if (size_t at = m.find(u"{folder}"); at != std::u16string::npos) {
      const size_t end = m.find(u' ', at);
      m.replace(at, end - at, set.folderText() + shownHere(m.substr(at + 8, end - at - 8)));
    }
    expected.push_back(m);
  }
  EXPECT_EQ(messages, expected);
  for (const auto& [box, text] : c.boxes) EXPECT_EQ((set.window().*box).text, text);
  EXPECT_TRUE(!c.next || set.window().cmd_2.enabled == *c.next);
}

INSTANTIATE_TEST_SUITE_P(Rows, DamagedSet, ::testing::ValuesIn(allCases()), [](const auto& info) {
  std::string name = info.param.name;
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
});

// The largest register the format addresses: 999,999 records in every file, made sparse (only
// the records read hold data): holder data record 999999 (B120000301's, holder number
// 9999999999), detail record 999999 (B120000301's, naming it) and key page 999999 (the 統一編號
// leaf page 6, every entry naming detail record 999999), reached through root page 1's second
// entry. A successor of 4295e6 there is a number beyond every file, not one wrapped to 32 bits
// (it would be 32704, where a copy of B120000302's detail record waits to be offered).
TEST(LargestRegister, LastRecordOfEveryFileIsReadAndNoNumberWraps) {
  FixtureSet set;
  auto copyToLast = [](const fs::path& file, size_t length, size_t fromRecord) {
    std::string record = FixtureSet::readRange(file, (fromRecord - 1) * length, length);
    fs::resize_file(file, 999999 * length);
    FixtureSet::patchAt(file, 999998 * length, record);
  };
  copyToLast(set.holderData(), 122, 14);
  set.setHolderField(999999, HolderRecord::kHolderNo, "9999999999");
  copyToLast(set.detailIndex(), 153, 1);
  set.setDetailField(999999, DetailRecord::kDataRecNo, "999999");
  copyToLast(set.keyIndex(), 1800, 6);
  for (int e = 1; e <= 100; ++e) set.setEntryNumber(1, 999999, e, "999999");
  set.setEntryNumber(1, 1, 2, "999999");
  FixtureSet::patchAt(set.detailIndex(), 32703 * 153,
                      FixtureSet::readRange(set.detailIndex(), 5 * 153, 153));
  ASSERT_TRUE(set.open());
  set.search(1, u"B12000030");
  EXPECT_EQ(set.window().tx_o_02.text, u"9999999999");
  EXPECT_EQ(set.window().m_HistIdxd[1], 999999);
  set.window().cmd_2_Click();
  EXPECT_EQ(set.window().tx_o_04.text, u"B120000302");

  set.setDetailField(999999, DetailRecord::kNextById, "4295e6");
  set.search(1, u"B12000030");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_FALSE(set.window().cmd_2.enabled);
}

}  // namespace
}  // namespace kv884::test

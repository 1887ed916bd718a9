// Searches over damaged index files: malformed record numbers in the key pages and in the detail
// records, a root page without a used entry, a leaf page the key never reaches, damaged Big5
// text in keys, and index files cut short. Each case has its one outcome, checked through the
// query window and through kv884-query.
//
// The basic fixture (30 holders) as these cases use it: root pages 1 (統一編號), 2 (帳號), 4 (戶號)
// and 3 (中文戶名); the first root entry of each kind names leaf page 18, 16, 10 and 15; each leaf
// page's first entry names the first record of its kind's chain: 2, 3, 1 and 23.

#include <gtest/gtest.h>

#include <functional>

#include "reliability/damaged_set.hpp"

namespace kv884::test {
namespace {

struct SearchCase {
  const char* name;
  std::function<void(const DamagedSet&)> damage;
  int kind;
  std::u16string key;
  std::u16string message;  // empty: a match showing the holder below
  std::u16string idShown;  // tx_o_04 of the match
};

const std::u16string kMiss123 = u"MSG_1_02:無符合資料 !";
const std::u16string kMissName = u"MSG_1_03:無符合資料 !";
std::string blankPage(int kind) {
  return encodeBig5(emptyKeyPage(keyKind(kind)));
}

const SearchCase kSearchCases[] = {
    // Root page entries.
    {"root_entry_000000", [](const DamagedSet& s) { s.setEntryNumber(1, 1, 1, "000000"); }, 1, u"1",
     kMiss123, u""},
    // A root entry naming a page the file does not hold: a leaf page that cannot be read ends
    // the search with the walk's message.
    {"root_entry_999999", [](const DamagedSet& s) { s.setEntryNumber(2, 2, 1, "999999"); }, 2, u"",
     kWalkMiss[2], u""},
    {"root_entry_beyond_file", [](const DamagedSet& s) { s.setEntryNumber(3, 4, 1, "000025"); }, 3,
     u"", kWalkMiss[3], u""},
    {"root_entry_letters", [](const DamagedSet& s) { s.setEntryNumber(4, 3, 1, "A00015"); }, 4, u"",
     kMissName, u""},
    {"root_entry_all_blank", [](const DamagedSet& s) { s.setEntryNumber(1, 1, 1, "      "); }, 1,
     u"1", kMiss123, u""},
    {"root_entry_blanks_inside_digits",
     [](const DamagedSet& s) { s.setEntryNumber(1, 1, 1, "  0 18"); }, 1, u"1", u"", u"13491643  "},
    {"root_without_used_entry",
     [](const DamagedSet& s) { DamagedSet::patchAt(s.keyIndex(), 0, blankPage(1)); }, 1, u"",
     kMiss123, u""},
    {"name_root_without_used_entry",
     [](const DamagedSet& s) {
       DamagedSet::patchAt(s.keyIndex(), 2 * kKeyPageLength, blankPage(4));
     },
     4, u"", kMissName, u""},
    // Leaf page entries.
    {"leaf_entry_000000", [](const DamagedSet& s) { s.setEntryNumber(1, 18, 1, "000000"); }, 1,
     u"1", kWalkMiss[1], u""},
    {"leaf_entry_999999", [](const DamagedSet& s) { s.setEntryNumber(2, 16, 1, "999999"); }, 2, u"",
     kWalkMiss[2], u""},
    {"leaf_entry_beyond_file", [](const DamagedSet& s) { s.setEntryNumber(3, 10, 1, "000031"); }, 3,
     u"", kWalkMiss[3], u""},
    {"leaf_entry_last_record", [](const DamagedSet& s) { s.setEntryNumber(3, 10, 1, "000030"); }, 3,
     u"", u"", u"J240326344"},
    {"leaf_entry_letters", [](const DamagedSet& s) { s.setEntryNumber(4, 15, 1, "ABCDEF"); }, 4,
     u"", kWalkMiss[4], u""},
    {"leaf_page_no_entry_reached",
     [](const DamagedSet& s) {
       for (int entry = 1; entry <= 100; ++entry) s.setEntryKey(1, 18, entry, std::string(12, ' '));
     },
     1, u"1", kWalkMiss[1], u""},
    {"name_leaf_page_no_entry_reached",
     [](const DamagedSet& s) {
       for (int entry = 1; entry <= 100; ++entry)
         s.setEntryKey(4, 15, entry, "\xA1\x40\xA1\x40\xA1\x40\xA1\x40\xA1\x40\xA1\x40");
     },
     4, u"于", kWalkMiss[4], u""},
    // Successor fields met during the walk (record 2 starts the 統一編號 chain with 13491643,
    // record 3 the 帳號 chain with 11602733093; their successors are 25 and 14).
    {"walk_successor_000000",
     [](const DamagedSet& s) { s.setDetailField(2, DetailRecord::kNextById, "000000"); }, 1, u"16",
     kWalkMiss[1], u""},
    {"walk_successor_beyond_file",
     [](const DamagedSet& s) { s.setDetailField(3, DetailRecord::kNextByAccount, "000031"); }, 2,
     u"11603", kWalkMiss[2], u""},
    {"walk_successor_letters",
     [](const DamagedSet& s) { s.setDetailField(3, DetailRecord::kNextByAccount, "00O014"); }, 2,
     u"11603", kWalkMiss[2], u""},
    {"walk_successor_blanks_inside_digits",
     [](const DamagedSet& s) { s.setDetailField(3, DetailRecord::kNextByAccount, "   014"); }, 2,
     u"11603", u"", u"Q206513468"},
    // Big5 damage in keys. A lone lead byte in the name key of record 1 (張國華) makes the byte
    // after it a character of its own: every later field moves one position, so the name no
    // longer matches and its name successor reads as 600001, beyond the file.
    {"lone_lead_byte_in_name_key",
     [](const DamagedSet& s) { s.dropTrailByte(1, DetailRecord::kNameKey); }, 4, u"張國華",
     kWalkMiss[4], u""},
    // An unmapped pair in a 統一編號 page key compares above every key: the search is sent to
    // that entry's leaf page and finds the holder there.
    {"unmapped_pair_in_root_key",
     [](const DamagedSet& s) {
       s.setEntryKey(1, 1, 1,
                     "\xA3\xC0"
                     "          ");
     },
     1, u"1", u"", u"13491643  "},
};

class DamagedIndexSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(DamagedIndexSearch, EndsWithItsOneOutcome) {
  const SearchCase& c = GetParam();
  DamagedSet set;
  c.damage(set);

  ASSERT_TRUE(set.open()) << toUtf8(set.ui.messages.empty() ? u"" : set.ui.messages.front().text);
  set.program.files.setReadObserver([&, reads = int64_t{0}](int fileNo, int64_t) mutable {
    if (fileNo == kDetailIndexFile && ++reads > set.program.files.recordCount(kDetailIndexFile) + 1)
      FAIL() << "a walk read more detail records than the file holds";
  });
  QueryWindow& w = set.window();
  auto boxes = [&] {  // the boxes after comb_1 and tx_i_01
    const std::string d = describe(w);
    return d.substr(d.find("tx_o_01="), d.find("cmd_1") - d.find("tx_o_01="));
  };
  const std::string before = boxes();
  set.search(c.kind, c.key);
  if (!c.message.empty()) {
    EXPECT_EQ(set.ui.takeMessages(), Texts{c.message});
    EXPECT_FALSE(w.cmd_2.enabled);
    EXPECT_EQ(boxes(), before);  // nothing on display changes and the ring stays empty
    EXPECT_EQ(w.m_HistLast, 0);
  } else {
    EXPECT_TRUE(set.ui.takeMessages().empty());
    EXPECT_EQ(w.tx_o_04.text, c.idShown);
    EXPECT_EQ(w.tx_o_pnt.text, u"0001 0001 0001 ");
  }
  EXPECT_EQ(set.program.files.openNumbers(), (std::vector<int>{1, 2, 3}));

  CommandResult run = runQuery(
      {set.folder().string(), "--by", kCliKindOf[c.kind], toUtf8(c.key), "--json", "--limit", "1"});
  if (!c.message.empty()) {
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, stderrOf(c.message));
    EXPECT_EQ(run.out, "");
  } else {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"id_no\":\"" + toUtf8(c.idShown) + "\""), std::string::npos)
        << run.out;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedIndexSearch, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The read-ahead after a match treats a successor it cannot read like 999999: 次筆 is withdrawn.
// 980000 begins the 帳號 of records 30 (98000003332) and 27 (98000070001), which follow each other.
struct ReadAheadCase {
  const char* name;
  std::string successor;
  bool nextOffered;
};

class DamagedReadAhead : public ::testing::TestWithParam<ReadAheadCase> {};

TEST_P(DamagedReadAhead, OffersNextOnlyForARecordItCanRead) {
  const ReadAheadCase& c = GetParam();
  DamagedSet set;
  set.setDetailField(30, DetailRecord::kNextByAccount, c.successor);
  ASSERT_TRUE(set.open());
  set.search(2, u"980000");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_EQ(set.window().tx_o_05.text, u"98000003332");
  EXPECT_EQ(set.window().cmd_2.enabled, c.nextOffered);

  CommandResult run = runQuery({set.folder().string(), "--by", "account", "980000"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lineCount(run.out), c.nextOffered ? 2u : 1u) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Successors, DamagedReadAhead,
                         ::testing::Values(ReadAheadCase{"sound", "000027", true},
                                           ReadAheadCase{"zero", "000000", false},
                                           ReadAheadCase{"beyond_file", "000031", false},
                                           ReadAheadCase{"letters", "NONE  ", false},
                                           ReadAheadCase{"blanks", "      ", false},
                                           ReadAheadCase{"blanks_inside_digits", "  0027", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Index files cut short or grown by a few bytes: a partly present last record reads as far as it
// goes, padded with blanks; a length that is no multiple of the record length is accepted.
TEST(DamagedIndexLength, PartialLastDetailRecordReadsItsPresentFieldsAndBlanks) {
  DamagedSet set;
  // Record 30 (J240326344, 帳號 98000003332) keeps its keys, DataRecNo (11) and 統一編號 successor
  // (23); its other successors, collateral fields and name are cut off.
  fs::resize_file(set.detailIndex(), 29 * 153 + 55);
  ASSERT_TRUE(set.open());
  set.search(1, u"J240326344");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  QueryWindow& w = set.window();
  EXPECT_EQ(w.tx_o_04.text, u"J240326344");
  EXPECT_EQ(w.tx_o_03.text, std::u16string(19, u' '));
  EXPECT_EQ(w.tx_o_11.text, u"0.00");
  EXPECT_EQ(w.tx_o_12.text, u"0");
  // 帳號 order: the cut successor reads as no record, so 次筆 is not offered.
  set.search(2, u"980000");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_EQ(w.tx_o_05.text, u"98000003332");
  EXPECT_FALSE(w.cmd_2.enabled);
  CommandResult run = runQuery({set.folder().string(), "--by", "account", "980000"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(lineCount(run.out), 1u);
}

TEST(DamagedIndexLength, GrownIndexFilesStillSearch) {
  DamagedSet set;
  DamagedSet::patchAt(set.keyIndex(), fs::file_size(set.keyIndex()), "1234567");
  DamagedSet::patchAt(set.detailIndex(), fs::file_size(set.detailIndex()), "B1");
  ASSERT_TRUE(set.open());
  EXPECT_EQ(set.program.files.recordCount(kDetailIndexFile), 31);
  set.search(1, u"B120000301");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_EQ(set.window().tx_o_04.text, u"B120000301");
  CommandResult run = runQuery({set.folder().string(), "--by", "account"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(lineCount(run.out), 30u);
}

TEST(DamagedIndexLength, PartialLastLeafPageReadsAsUnusedEntries) {
  DamagedSet set;
  // Leaf page 24, the 中文戶名 page of the names up to 張美玲, keeps one byte (a lead byte).
  fs::resize_file(set.keyIndex(), 23 * 1800 + 1);
  ASSERT_TRUE(set.open());
  set.search(4, u"張美玲");
  EXPECT_EQ(set.ui.takeMessages(), Texts{kWalkMiss[4]});
  EXPECT_EQ(set.window().m_HistLast, 0);
  CommandResult miss = runQuery({set.folder().string(), "--by", "name", "張美玲"});
  EXPECT_EQ(miss.status, 1);
  EXPECT_EQ(miss.err, stderrOf(kWalkMiss[4]));
  // From the first name the walk follows the detail records and still meets every holder.
  CommandResult all = runQuery({set.folder().string(), "--by", "name"});
  EXPECT_EQ(all.status, 0);
  EXPECT_EQ(lineCount(all.out), 30u);
}

}  // namespace
}  // namespace kv884::test

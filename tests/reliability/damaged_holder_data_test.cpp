// Holder data records that cannot be read, or are damaged: the screen change that needs one
// reports MSG_1_08 with error 63 and leaves every control and window-level value as it was;
// a partial last record shows blanks; damaged Big5 shows U+FFFD and keeps the window working.
//
// The basic fixture as these cases use it: detail record 30 is J240326344 (帳號 98000003332, data
// record 11); detail record 1 is B120000301 (張國華, data record 14); detail record 3 starts the
// 帳號 order (11602733093); in 戶號 order record 1 (0000100301) is followed by record 6.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "reliability/damaged_set.hpp"

namespace kv884::test {
namespace {

// A search whose match names a data record that cannot be read: a DataRecNo beyond the file, zero
// or not a number, or one a lone lead byte in 張國華's name key moves out of place (positions
// after it move one on, and DataRecNo reads 100001).
TEST(UnreadableDataRecNo, SearchReportsMsg108AndChangesNothing) {
  struct Case {
    const char* name;
    std::function<void(DamagedSet&)> damage;
    std::u16string key;  // typed in small letters: not left in capitals
  };
  const Case kCases[] = {
      {"000031", [](DamagedSet& s) { s.setDetailField(30, DetailRecord::kDataRecNo, "000031"); },
       u"j240326344"},
      {"000000", [](DamagedSet& s) { s.setDetailField(30, DetailRecord::kDataRecNo, "000000"); },
       u"j240326344"},
      {"999999", [](DamagedSet& s) { s.setDetailField(30, DetailRecord::kDataRecNo, "999999"); },
       u"j240326344"},
      {"ABCDEF", [](DamagedSet& s) { s.setDetailField(30, DetailRecord::kDataRecNo, "ABCDEF"); },
       u"j240326344"},
      {"blanks", [](DamagedSet& s) { s.setDetailField(30, DetailRecord::kDataRecNo, "      "); },
       u"j240326344"},
      {"lone_lead_byte_in_name_key",
       [](DamagedSet& s) { s.dropTrailByte(1, DetailRecord::kNameKey); }, u"b120000301"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    DamagedSet set;
    c.damage(set);
    ASSERT_TRUE(set.open());
    set.search(2, u"11602733093");
    ASSERT_TRUE(set.ui.takeMessages().empty());
    set.window().tx_i_01.text = c.key;
    set.window().comb_1.text = u"依 統一編號";
    const std::string before = describe(set.window());
    set.window().cmd_1_Click();
    EXPECT_THAT(set.ui.messages,
                testing::ElementsAre(testing::Field(&ShownMessage::caption, u"KV884")));
    EXPECT_EQ(set.ui.takeMessages(), Texts{kReadError});
    EXPECT_EQ(describe(set.window()), before);
    EXPECT_EQ(set.program.files.openNumbers(), (std::vector<int>{1, 2, 3}));

    std::string key = toUtf8(c.key);
    key[0] = static_cast<char>(std::toupper(key[0]));
    CommandResult run = runQuery({set.folder().string(), "--by", "id", key});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, stderrOf(kReadError));
    EXPECT_EQ(run.out, "");
  }
}

TEST(UnreadableHolderRecord, NextReportsMsg108AndKeepsNextOffered) {
  DamagedSet set;
  set.setDetailField(6, DetailRecord::kDataRecNo, "000031");
  ASSERT_TRUE(set.open());
  set.search(3, u"00001003");
  ASSERT_TRUE(set.ui.takeMessages().empty());
  ASSERT_TRUE(set.window().cmd_2.enabled);
  set.window().tx_i_01.text = u"typed since";
  const std::string before = describe(set.window());
  set.window().cmd_2_Click();
  EXPECT_EQ(set.ui.takeMessages(), Texts{kReadError});
  EXPECT_EQ(describe(set.window()), before);

  CommandResult run = runQuery({set.folder().string(), "--by", "holder", "00001003"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(lineCount(run.out), 1u);
  EXPECT_EQ(run.err, stderrOf(kReadError));
}

// The data set changes under the open window (a disc taken out and another put in): the files
// are shorter than when they were opened. Paging and 次筆 report MSG_1_08 and change nothing.
TEST(UnreadableHolderRecord, FilesCutWhileOpenReportMsg108OnPagingAndNext) {
  DamagedSet set;
  ASSERT_TRUE(set.open());
  set.search(3, u"");
  set.window().cmd_2_Click();
  ASSERT_TRUE(set.ui.takeMessages().empty());
  ASSERT_TRUE(set.window().cmd_5.enabled);
  const std::string before = describe(set.window());
  fs::resize_file(set.holderData(), 0);
  for (auto click : {&QueryWindow::cmd_5_Click, &QueryWindow::cmd_2_Click}) {
    (set.window().*click)();
    EXPECT_EQ(set.ui.takeMessages(), Texts{kReadError});
    EXPECT_EQ(describe(set.window()), before);
  }
  fs::resize_file(set.detailIndex(), 0);
  set.window().cmd_5_Click();
  EXPECT_EQ(set.ui.takeMessages(), Texts{kReadError});
  EXPECT_EQ(describe(set.window()), before);
  set.window().cmd_3_Click();
  EXPECT_TRUE(set.program.files.openNumbers().empty());
  EXPECT_TRUE(set.program.frm_0.cmd_1.enabled);
}

// Record lengths: a last record only partly present shows its present fields and blanks.
TEST(DamagedHolderLength, PartialLastRecordShowsBlanksForTheMissingFields) {
  DamagedSet set;
  int64_t detail = 0;
  for (int64_t r = 1; r <= 30 && !detail; ++r)
    if (set.detailField(r, DetailRecord::kDataRecNo) == "000030") detail = r;
  ASSERT_NE(detail, 0);
  const std::u16string id = fromUtf8(set.detailField(detail, DetailRecord::kIdKey));
  const std::u16string account = fromUtf8(set.detailField(detail, DetailRecord::kAccountKey));
  // Record 30 keeps 集保帳號, 身分證/營利事業統一編號, 劃撥股數 and six bytes more.
  fs::resize_file(set.holderData(), 29 * 122 + 40);
  ASSERT_TRUE(set.open());
  set.search(1, id);
  EXPECT_TRUE(set.ui.takeMessages().empty());
  QueryWindow& w = set.window();
  EXPECT_EQ(w.tx_o_05.text, account);
  EXPECT_EQ(w.tx_o_04.text, id);
  EXPECT_EQ(w.tx_o_04_x.text, u"\u3000");
  EXPECT_EQ(w.tx_o_01.text, u"        群星水泥");
  EXPECT_EQ(w.tx_o_02.text, std::u16string(10, u' '));
  EXPECT_EQ(w.tx_o_19.text + w.tx_o_09.text + w.tx_o_24.text, u"   ");
}

TEST(DamagedHolderLength, BytesPastTheLastWholeRecordFormOneMoreRecord) {
  DamagedSet set;
  DamagedSet::patchAt(set.holderData(), 30 * 122, "ABCDE");
  set.setDetailField(30, DetailRecord::kDataRecNo, "000031");
  ASSERT_TRUE(set.open());
  set.search(1, u"J240326344");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_EQ(set.window().tx_o_05.text, u"ABCDE      ");
  EXPECT_EQ(set.window().tx_o_04.text, std::u16string(10, u' '));
  EXPECT_EQ(set.window().tx_o_18.text, u"0.00");
  // One byte further is beyond the file.
  set.setDetailField(30, DetailRecord::kDataRecNo, "000032");
  CommandResult run = runQuery({set.folder().string(), "--by", "id", "J240326344"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, stderrOf(kReadError));
}

// Big5 damage in the shown fields of B120000301: an unmapped pair is one U+FFFD and keeps
// positions; a lead byte without a trail byte is one U+FFFD and the byte after it a character of
// its own, in the holder name (detail record 1) and in the account (holder record 14).
TEST(DamagedBig5Text, ShowsReplacementCharactersAndKeepsThePositionsRule) {
  struct Case {
    const char* name;
    std::function<void(DamagedSet&)> damage;
    std::u16string name03, id04, account05;
  };
  const std::u16string blanks(15, u' ');
  const Case kCases[] = {
      {"unmapped_pair_in_name",
       [](DamagedSet& s) { s.setDetailField(1, DetailRecord::kHolderName, "\xA3\xC0"); },
       u"\uFFFD國華 " + blanks, u"B120000301", u"53800012345"},
      {"lone_lead_byte_in_name",
       [](DamagedSet& s) { s.dropTrailByte(1, DetailRecord::kHolderName); },
       u"\uFFFD 國華" + blanks, u"B120000301", u"53800012345"},
      {"unmapped_pair_in_account",
       [](DamagedSet& s) { s.setHolderField(14, HolderRecord::kAccountNo, "\xA3\xC0"); },
       u"張國華 " + blanks, u"1200003010", u"\uFFFD800012345B"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    DamagedSet set;
    c.damage(set);
    ASSERT_TRUE(set.open());
    set.search(1, u"B120000301");
    EXPECT_TRUE(set.ui.takeMessages().empty());
    EXPECT_EQ(set.window().tx_o_03.text, c.name03);
    EXPECT_EQ(set.window().tx_o_04.text, c.id04);
    EXPECT_EQ(set.window().tx_o_05.text, c.account05);
  }
}

}  // namespace
}  // namespace kv884::test

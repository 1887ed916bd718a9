// Holder data records that cannot be read, or are damaged: the screen change that needs one
// reports MSG_1_08 with error 63 and leaves every control and window-level value as it was;
// a partial last record shows blanks; damaged Big5 shows U+FFFD and keeps the window working.
//
// The basic fixture as these cases use it: detail record 30 is J240326344 (帳號 98000003332, data
// record 11); detail record 1 is B120000301 (張國華, data record 14); in 戶號 order record 1
// (0000100301) is followed by record 6 (0000100302).

#include <gtest/gtest.h>

#include "reliability/damaged_set.hpp"

namespace kv884::test {
namespace {

const std::u16string kReadError = u"MSG_1_08:資料讀取錯誤 !\r\n63\r\n錯誤的記錄編號";

class UnreadableDataRecNo : public ::testing::TestWithParam<const char*> {};

TEST_P(UnreadableDataRecNo, SearchReportsMsg108AndChangesNothing) {
  DamagedSet set;
  set.setDetailField(30, kDataRecNoAt, GetParam());
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(3, u"0000100301");
  ASSERT_TRUE(s.ui.takeTexts().empty());
  s.window().tx_i_01.text = u"j240326344";
  s.window().comb_1.text = u"依 統一編號";
  const WindowState before(s.window());

  s.window().cmd_1_Click();
  EXPECT_EQ(s.ui.captions(), std::vector<std::u16string>{u"KV884"});
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{kReadError});
  EXPECT_TRUE(WindowState(s.window()) == before);
  EXPECT_EQ(s.window().tx_i_01.text, u"j240326344");  // not left in capitals
  EXPECT_EQ(s.window().tx_o_04.text, u"B120000301");
  EXPECT_EQ(s.program.files.openNumbers(), (std::vector<int>{1, 2, 3}));

  QueryRun run = runQuery({set.folder().string(), "--by", "id", "J240326344"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, stderrOf(kReadError));
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(DataRecNo, UnreadableDataRecNo,
                         ::testing::Values("000031", "000000", "999999", "ABCDEF", "      "),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name;
                           for (const char* p = info.param; *p; ++p) name += *p == ' ' ? '_' : *p;
                           return "value_" + name;
                         });

TEST(UnreadableHolderRecord, NextReportsMsg108AndKeepsNextOffered) {
  DamagedSet set;
  set.setDetailField(6, kDataRecNoAt, "000031");
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(3, u"00001003");
  ASSERT_TRUE(s.ui.takeTexts().empty());
  ASSERT_TRUE(s.window().cmd_2.enabled);
  s.window().tx_i_01.text = u"typed since";
  const WindowState before(s.window());
  s.window().cmd_2_Click();
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{kReadError});
  EXPECT_TRUE(WindowState(s.window()) == before);
  EXPECT_TRUE(s.window().cmd_2.enabled);
  EXPECT_EQ(s.window().tx_o_pnt.text, u"0001 0001 0001 ");

  QueryRun run = runQuery({set.folder().string(), "--by", "holder", "00001003"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(lineCount(run.out), 1u);
  EXPECT_EQ(run.err, stderrOf(kReadError));
}

// The data set changes under the open window (a disc taken out and another put in): the files
// are shorter than when they were opened. Paging and 次筆 report MSG_1_08 and change nothing.
TEST(UnreadableHolderRecord, FilesCutWhileOpenReportMsg108OnPagingAndNext) {
  DamagedSet set;
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(3, u"");
  s.window().cmd_2_Click();
  ASSERT_TRUE(s.ui.takeTexts().empty());
  ASSERT_TRUE(s.window().cmd_5.enabled);

  DamagedSet::resize(set.holderData(), 0);
  const WindowState before(s.window());
  s.window().cmd_5_Click();
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{kReadError});
  EXPECT_TRUE(WindowState(s.window()) == before);
  s.window().cmd_2_Click();
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{kReadError});
  EXPECT_TRUE(WindowState(s.window()) == before);

  DamagedSet::resize(set.detailIndex(), 0);
  s.window().cmd_5_Click();
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{kReadError});
  EXPECT_TRUE(WindowState(s.window()) == before);
  s.window().cmd_3_Click();
  EXPECT_TRUE(s.program.files.openNumbers().empty());
  EXPECT_TRUE(s.program.frm_0.cmd_1.enabled);
}

// Record lengths: a last record only partly present shows its present fields and blanks.
TEST(DamagedHolderLength, PartialLastRecordShowsBlanksForTheMissingFields) {
  DamagedSet set;
  int64_t detail = 0;
  for (int64_t r = 1; r <= 30 && !detail; ++r)
    if (set.detailField(r, kDataRecNoAt, 6) == "000030") detail = r;
  ASSERT_NE(detail, 0);
  const std::u16string id = fromUtf8(set.detailField(detail, 1, 10));
  const std::u16string account = fromUtf8(set.detailField(detail, 11, 11));
  // Record 30 keeps 集保帳號, 身分證/營利事業統一編號, 劃撥股數 and six bytes more.
  DamagedSet::resize(set.holderData(), 29 * 122 + 40);

  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(1, id);
  EXPECT_TRUE(s.ui.takeTexts().empty());
  QueryWindow& w = s.window();
  EXPECT_EQ(w.tx_o_05.text, account);
  EXPECT_EQ(w.tx_o_04.text, id);
  EXPECT_EQ(w.tx_o_04_x.text, u"\u3000");
  EXPECT_EQ(w.tx_o_01.text, u"        群星水泥");
  EXPECT_EQ(w.tx_o_02.text, std::u16string(10, u' '));
  EXPECT_EQ(w.tx_o_19.text, u" ");
  EXPECT_EQ(w.tx_o_09.text, u" ");
  EXPECT_EQ(w.tx_o_24.text, u" ");
}

TEST(DamagedHolderLength, BytesPastTheLastWholeRecordFormOneMoreRecord) {
  DamagedSet set;
  DamagedSet::patchAt(set.holderData(), 30 * 122, "ABCDE");
  set.setDetailField(30, kDataRecNoAt, "000031");
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(1, u"J240326344");
  EXPECT_TRUE(s.ui.takeTexts().empty());
  EXPECT_EQ(s.window().tx_o_05.text, u"ABCDE      ");
  EXPECT_EQ(s.window().tx_o_04.text, std::u16string(10, u' '));
  EXPECT_EQ(s.window().tx_o_18.text, u"0.00");
  // One byte further is beyond the file.
  set.setDetailField(30, kDataRecNoAt, "000032");
  QueryRun run = runQuery({set.folder().string(), "--by", "id", "J240326344"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, stderrOf(kReadError));
}

// Big5 damage in the shown fields: an unmapped pair is one U+FFFD and keeps positions; a lead
// byte without a trail byte is one U+FFFD and the byte after it a character of its own.
TEST(DamagedBig5Text, UnmappedPairInTheHolderNameShowsOneReplacement) {
  DamagedSet set;
  set.setDetailField(1, 94, "\xA3\xC0");
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(1, u"B120000301");
  EXPECT_TRUE(s.ui.takeTexts().empty());
  EXPECT_EQ(s.window().tx_o_03.text, u"\uFFFD國華" + std::u16string(16, u' '));
  EXPECT_EQ(s.window().tx_o_04.text, u"B120000301");
}

TEST(DamagedBig5Text, LoneLeadByteInTheHolderNameShowsReplacementAndTheByte) {
  DamagedSet set;
  set.setDetailField(1, 94, std::string(set.detailField(1, 94, 1), 0, 1) + " ");
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(1, u"B120000301");
  EXPECT_TRUE(s.ui.takeTexts().empty());
  EXPECT_EQ(s.window().tx_o_03.text, u"\uFFFD 國華" + std::u16string(15, u' '));
}

TEST(DamagedBig5Text, UnmappedPairInTheAccountMovesTheLaterFieldsOnePositionBack) {
  DamagedSet set;
  set.setHolderField(14, 1, "\xA3\xC0");  // 53800012345 of B120000301
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(1, u"B120000301");
  EXPECT_TRUE(s.ui.takeTexts().empty());
  EXPECT_EQ(s.window().tx_o_05.text, u"\uFFFD800012345B");
  EXPECT_EQ(s.window().tx_o_04.text, u"1200003010");
}

TEST(DamagedBig5Text, LoneLeadByteInANameKeyMovesTheDataRecNoBeyondTheFile) {
  // 張國華's name key loses a trail byte: positions after it move one on, and DataRecNo reads
  // 100001 (the last digit of 戶號 and five digits of DataRecNo).
  DamagedSet set;
  set.setDetailField(1, 22, std::string(set.detailField(1, 22, 1), 0, 1) + " ");
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  s.search(2, u"11602733093");  // record 3, the first of the 帳號 order
  ASSERT_TRUE(s.ui.takeTexts().empty());
  const WindowState before(s.window());
  s.search(1, u"B120000301");
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{kReadError});
  EXPECT_EQ(s.window().tx_o_05.text, u"11602733093");
  EXPECT_EQ(s.window().m_HistLast, before.values[7]);
  QueryRun run = runQuery({set.folder().string(), "--by", "id", "B120000301"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, stderrOf(kReadError));
}

}  // namespace
}  // namespace kv884::test

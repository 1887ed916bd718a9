// The largest register the format addresses: 999,999 records in every file, read at the last
// record of each. The files are made sparse (only the records the test reads hold data), so the
// set costs next to nothing to make: holder data record 999999, detail record 999999 and key
// page 999999, reached through root page 1 (統一編號), the leaf page and the detail record.

#include <gtest/gtest.h>

#include "reliability/damaged_set.hpp"

namespace kv884::test {
namespace {

constexpr int64_t kLast = 999999;

class LargestRegister : public ::testing::Test {
 protected:
  void SetUp() override {
    // Holder data record 999999: B120000301's record (data record 14), holder number changed so
    // the screen tells it from the original.
    std::string holder = DamagedSet::readRange(set.holderData(), 13 * 122, 122);
    holder.replace(HolderRecord::kHolderNo.position - 1, HolderRecord::kHolderNo.length,
                   "9999999999");
    fs::resize_file(set.holderData(), kLast * 122);
    DamagedSet::patchAt(set.holderData(), (kLast - 1) * 122, holder);

    // Detail record 999999: B120000301's detail record (1), naming data record 999999; its
    // 統一編號 successor stays 6 (B120000302).
    std::string detail = DamagedSet::readRange(set.detailIndex(), 0, 153);
    fs::resize_file(set.detailIndex(), kLast * 153);
    DamagedSet::patchAt(set.detailIndex(), (kLast - 1) * 153, detail);
    set.setDetailField(kLast, DetailRecord::kDataRecNo, "999999");

    // Key page 999999: the 統一編號 leaf page 6 with every entry naming detail record 999999, and
    // root page 1's second entry (C117756123) naming it.
    std::string leaf = DamagedSet::readRange(set.keyIndex(), 5 * 1800, 1800);
    fs::resize_file(set.keyIndex(), kLast * 1800);
    DamagedSet::patchAt(set.keyIndex(), (kLast - 1) * 1800, leaf);
    for (int entry = 1; entry <= 100; ++entry)
      set.setEntryNumber(1, static_cast<int>(kLast), entry, "999999");
    set.setEntryNumber(1, 1, 2, "999999");
  }

  DamagedSet set;
};

TEST_F(LargestRegister, SearchReadsTheLastRecordOfEveryFile) {
  ASSERT_TRUE(set.open());
  EXPECT_EQ(set.program.files.recordCount(kHolderDataFile), kLast);
  EXPECT_EQ(set.program.files.recordCount(kDetailIndexFile), kLast);
  EXPECT_EQ(set.program.files.recordCount(kKeyIndexFile), kLast);
  set.search(1, u"B12000030");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  QueryWindow& w = set.window();
  EXPECT_EQ(w.m_HistIdxd[1], kLast);
  EXPECT_EQ(w.m_HistData[1], kLast);
  EXPECT_EQ(w.tx_o_04.text, u"B120000301");
  EXPECT_EQ(w.tx_o_02.text, u"9999999999");
  EXPECT_EQ(w.tx_o_03.text, u"張國華                ");
  // 次筆 goes on from record 999999 into the chain.
  ASSERT_TRUE(w.cmd_2.enabled);
  w.cmd_2_Click();
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_EQ(w.tx_o_04.text, u"B120000302");
  // Paging reads record 999999 of both files again.
  w.cmd_5_Click();
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_EQ(w.tx_o_02.text, u"9999999999");

  CommandResult run = runQuery({set.folder().string(), "--by", "id", "B12000030", "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lineCount(run.out), 3u);
  EXPECT_NE(run.out.find("\"holder_no\":\"9999999999\""), std::string::npos);
}

TEST_F(LargestRegister, DataRecNoOfTheLastRecordPlusNothingMoreIsAddressable) {
  // A data set one record short: data record 999999 is beyond the file.
  fs::resize_file(set.holderData(), (kLast - 1) * 122);
  CommandResult run = runQuery({set.folder().string(), "--by", "id", "B12000030"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "MSG_1_08:資料讀取錯誤 !\n63\n錯誤的記錄編號\n");
}

// A successor field holding 4295e6 reads as the number 4,295,000,000, far beyond the file. Kept
// in a 32-bit value by wrapping it would have become record 32704 (4,295,000,000 - 2^32), and the
// read-ahead would have offered 次筆 to a holder no chain leads to.
TEST_F(LargestRegister, SuccessorPastThe32BitRangeIsBeyondTheFileNotAWrappedNumber) {
  std::string other = DamagedSet::readRange(set.detailIndex(), 5 * 153, 153);  // B120000302
  DamagedSet::patchAt(set.detailIndex(), (32704 - 1) * 153, other);
  set.setDetailField(kLast, DetailRecord::kNextById, "4295e6");

  ASSERT_TRUE(set.open());
  set.search(1, u"B12000030");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_EQ(set.window().tx_o_02.text, u"9999999999");
  EXPECT_FALSE(set.window().cmd_2.enabled);
  CommandResult run = runQuery({set.folder().string(), "--by", "id", "B12000030"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(lineCount(run.out), 1u);
}

}  // namespace
}  // namespace kv884::test

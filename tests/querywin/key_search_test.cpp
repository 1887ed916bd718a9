// The key search and the next match on the fixture: what a search reads, what withdraws
// 次筆, and what a failed search leaves behind.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/query_fixture.hpp"

namespace kv884::test {
namespace {

using Read = std::pair<int, int64_t>;

class KeySearch : public ::testing::Test {
 protected:
  KeySearch() {
    set.open();
    set.program.files.setReadObserver([this](int file, int64_t rec) {
      reads.push_back({file, rec});
    });
  }
  QueryWindow& w() { return set.window(); }
  std::vector<int> filesRead() const {
    std::vector<int> files;
    for (const Read& r : reads) files.push_back(r.first);
    return files;
  }

  OpenedFixture set;
  std::vector<Read> reads;
};

TEST_F(KeySearch, ReadsTwoPagesTheWalkOneHolderRecordAndOneRecordAhead) {
  const std::vector<std::pair<std::u16string, int64_t>> kindsAndRoots{
      {u"依 統一編號", 1}, {u"依 帳號", 2}, {u"依 戶號", 4}, {u"依 中文戶名", 3}};
  for (const auto& [caption, root] : kindsAndRoots) {
    SCOPED_TRACE(toUtf8(caption));
    reads.clear();
    set.search(caption, u"");
    ASSERT_TRUE(set.ui.messages.empty());
    ASSERT_GE(reads.size(), 5u);
    EXPECT_EQ(reads[0], Read(1, root));
    EXPECT_EQ(reads[1].first, 1);
    EXPECT_GT(reads[1].second, 4);  // a leaf page
    std::vector<int> files = filesRead();
    EXPECT_EQ(std::count(files.begin(), files.end(), 1), 2);
    EXPECT_EQ(std::count(files.begin(), files.end(), 3), 1);
    EXPECT_EQ(files[files.size() - 2], 3);  // the holder record, then the record read ahead
    EXPECT_EQ(files.back(), 2);
    EXPECT_EQ(reads.back().second, w().m_SearchRecNo);
  }
}

TEST_F(KeySearch, NextReadsOneHolderRecordAndOneDetailRecord) {
  set.search(u"依 戶號", u"");
  int64_t ahead = w().m_SearchRecNo;
  reads.clear();
  w().cmd_2_Click();
  ASSERT_EQ(reads.size(), 2u);
  EXPECT_EQ(reads[0].first, 3);
  EXPECT_EQ(reads[1].first, 2);
  EXPECT_EQ(w().m_HistIdxd[w().m_HistLast], ahead);  // 次筆 shows the record read ahead
}

TEST_F(KeySearch, PagingReadsTheSlotAndPutsTheSearchRecordBack) {
  set.search(u"依 戶號", u"");
  w().cmd_2_Click();
  int64_t searchRec = w().m_SearchRecNo;
  reads.clear();
  w().cmd_5_Click();
  ASSERT_EQ(reads.size(), 3u);
  EXPECT_EQ(reads[0], Read(2, w().m_HistIdxd[1]));
  EXPECT_EQ(reads[1], Read(3, w().m_HistData[1]));
  EXPECT_EQ(reads[2], Read(2, searchRec));
  EXPECT_EQ(w().m_SearchRecNo, searchRec);
}

TEST_F(KeySearch, KindOneKeyIsSearchedAndShownInCapitals) {
  set.search(u"依 統一編號", u"b1200003");
  EXPECT_EQ(w().tx_i_01.text, u"B1200003");
  EXPECT_EQ(w().m_SearchKey, u"B1200003");
  EXPECT_EQ(w().tx_o_04.text.substr(0, 8), u"B1200003");
  set.search(u"依 帳號", u"z");  // other kinds keep the key as typed
  EXPECT_EQ(w().tx_i_01.text, u"z");
}

TEST_F(KeySearch, PickingAKindOrClickingTheKeyBoxWithdrawsNextButTypingDoesNot) {
  set.search(u"依 戶號", u"");
  ASSERT_TRUE(w().cmd_2.enabled);
  w().tx_i_01.text = u"0000";    // typed after reaching the box by keyboard
  w().comb_1.text = u"依 帳號";  // typed into the combo box's field
  EXPECT_TRUE(w().cmd_2.enabled);
  w().comb_1_Click();
  EXPECT_FALSE(w().cmd_2.enabled);

  set.search(u"依 戶號", u"");
  w().tx_i_01_Click();
  EXPECT_FALSE(w().cmd_2.enabled);
}

TEST_F(KeySearch, NextPutsTheRunningQueryBackIntoTheKeyAndKindBoxes) {
  set.search(u"依 中文戶名", u"張");
  ASSERT_TRUE(w().cmd_2.enabled);
  w().tx_i_01.text = u"other";
  w().comb_1.text = u"依 帳號";
  w().cmd_2_Click();
  EXPECT_EQ(w().tx_i_01.text, u"張");
  EXPECT_EQ(w().comb_1.text, u"依 中文戶名");
}

TEST_F(KeySearch, UnknownKindChangesOnlyTheKeyLength) {
  set.search(u"依 戶號", u"");
  std::string before = describe(w());
  set.search(u"依 戶號 ", u"123");
  EXPECT_EQ(set.ui.takeMessages(), std::vector<std::u16string>{u"MSG_1_01:查詢條件 不在範圍內 !"});
  EXPECT_EQ(w().m_SearchKeyLen, 3);
  w().m_SearchKeyLen = 0;
  w().tx_i_01.text = u"";
  w().comb_1.text = u"依 戶號";
  EXPECT_EQ(describe(w()), before);
}

TEST_F(KeySearch, KeyAboveEveryKeyWithdrawsNextSoItCannotMixTwoQueries) {
  set.search(u"依 戶號", u"");
  ASSERT_TRUE(w().cmd_2.enabled);
  std::u16string shown = w().tx_o_02.text;
  set.search(u"依 帳號", u"Z");
  EXPECT_EQ(set.ui.takeMessages(), std::vector<std::u16string>{u"MSG_1_02:無符合資料 !"});
  EXPECT_FALSE(w().cmd_2.enabled);
  EXPECT_EQ(w().tx_o_02.text, shown);  // the screen on display stays
  EXPECT_EQ(w().m_HistLast, 1);
}

TEST_F(KeySearch, WaitPointerIsRestoredOnEveryWayOut) {
  set.search(u"nothing", u"");      // MSG_1_01
  set.search(u"依 帳號", u"Z");     // MSG_1_02
  set.search(u"依 帳號", u"5380");  // a match
  w().cmd_2_Click();
  EXPECT_EQ(set.ui.waitPointers, (std::map<std::string, int>{{"cmd_1", 3}, {"cmd_2", 1}}));
  EXPECT_TRUE(set.ui.waiting.empty());
}

}  // namespace
}  // namespace kv884::test

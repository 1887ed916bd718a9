// The query window on the basic fixture: what each click reads, what a failed search leaves
// behind, the ring of shown screens, and the printed record page. What a pick or a click into
// the key box withdraws, and paging then 次筆, the fixture replays show.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "support/fixture_set.hpp"
#include "support/recording_print_surface.hpp"
#include "support/window_snapshot.hpp"

namespace kv884::test {
namespace {

using Read = std::pair<int, int64_t>;  // file number, record number

class QueryWindowTest : public ::testing::Test {
 protected:
  QueryWindowTest() {
    set.open();
    set.program.files.setReadObserver([this](int file, int64_t rec) {
      reads.push_back({file, rec});
    });
  }
  QueryWindow& w() { return set.window(); }
  std::tuple<int, int, int> ring() { return {w().m_HistFirst, w().m_HistPos, w().m_HistLast}; }
  void pushScreens(int count) {
    for (int i = 0; i < count; ++i) set.search(3, u"");
  }

  FixtureSet set;
  std::vector<Read> reads;
};

// 查詢: the kind's root page, one leaf page, the walk, one holder record, one record read ahead.
// 次筆 reads the holder record of the record read ahead and the next one; paging reads the slot's
// two records and puts the search's record back.
TEST_F(QueryWindowTest, EachClickReadsOnlyItsRecords) {
  for (const auto& [kind, root] : {Read{1, 1}, Read{2, 2}, Read{3, 4}, Read{4, 3}}) {
    SCOPED_TRACE(kind);
    reads.clear();
    set.search(kind, u"");
    ASSERT_TRUE(set.ui.messages.empty());
    ASSERT_GE(reads.size(), 5u);
    EXPECT_EQ(reads[0], Read(1, root));
    EXPECT_EQ(reads[1].first, 1);
    EXPECT_GT(reads[1].second, 4);  // a leaf page
    for (size_t i = 2; i + 2 < reads.size(); ++i) EXPECT_EQ(reads[i].first, 2);
    EXPECT_EQ(reads[reads.size() - 2], Read(3, w().m_DataRecNo));
    EXPECT_EQ(reads.back(), Read(2, w().m_SearchRecNo));
  }
  const int32_t ahead = w().m_SearchRecNo;
  reads.clear();
  w().cmd_2_Click();
  ASSERT_EQ(reads.size(), 2u);
  EXPECT_EQ(reads[0].first, 3);
  EXPECT_EQ(reads[1], Read(2, w().m_SearchRecNo));
  EXPECT_EQ(w().m_HistIdxd[5], ahead);
  const int32_t searchRec = w().m_SearchRecNo;
  reads.clear();
  w().cmd_5_Click();
  EXPECT_EQ(reads,
            (std::vector<Read>{{2, w().m_HistIdxd[4]}, {3, w().m_HistData[4]}, {2, searchRec}}));
  EXPECT_EQ(w().m_SearchRecNo, searchRec);
}

// A name key as long as a page key and equal to it is found where the page says, not one run
// later.
TEST_F(QueryWindowTest, KeyEqualToAPageKeyFindsItsHolder) {
  set.search(4, u"譚華玲\u3000\u3000\u3000");
  EXPECT_EQ(w().tx_o_03.text.substr(0, 3), u"譚華玲");
  EXPECT_TRUE(set.ui.messages.empty());
}

TEST_F(QueryWindowTest, NextPutsTheRunningQueryBackIntoTheKeyAndKindBoxes) {
  set.search(4, u"張");
  ASSERT_TRUE(w().cmd_2.enabled);
  w().tx_i_01.text = u"other";
  w().comb_1.text = u"依 帳號";
  w().cmd_2_Click();
  EXPECT_EQ(w().tx_i_01.text, u"張");
  EXPECT_EQ(w().comb_1.text, u"依 中文戶名");
}

// A caption with a trailing blank is no kind: only the key length changes. A key above every key
// keeps the screen but withdraws 次筆, which would otherwise mix the new kind with the old record.
TEST_F(QueryWindowTest, FailedSearchesLeaveTheScreenOnDisplay) {
  set.search(3, u"");
  const WindowSnapshot before = snapshot(w());
  set.search(u"依 戶號 ", u"123");
  EXPECT_EQ(set.ui.takeMessages(), Texts{u"MSG_1_01:查詢條件 不在範圍內 !"});
  EXPECT_EQ(w().m_SearchKeyLen, 3);
  w().m_SearchKeyLen = 0;
  w().tx_i_01.text = u"";
  w().comb_1.text = u"依 戶號";
  EXPECT_TRUE(snapshot(w()) == before);

  const std::u16string shown = w().tx_o_02.text;
  set.search(2, u"Z");
  EXPECT_EQ(set.ui.takeMessages(), Texts{u"MSG_1_02:無符合資料 !"});
  EXPECT_FALSE(w().cmd_2.enabled);
  EXPECT_EQ(w().tx_o_02.text, shown);
  EXPECT_EQ(w().m_HistLast, 1);
}

TEST_F(QueryWindowTest, WaitPointerIsRestoredOnEveryWayOut) {
  set.search(u"nothing", u"");  // MSG_1_01
  set.search(2, u"Z");          // MSG_1_02
  set.search(2, u"5380");       // a match
  w().cmd_2_Click();
  EXPECT_EQ(set.ui.waitPointers, (std::map<std::string, int>{{"cmd_1", 3}, {"cmd_2", 1}}));
  EXPECT_TRUE(set.ui.waiting.empty());
}

// Past a thousand screens the oldest slot gives way; paging back crosses the wrap and stops at the
// oldest screen kept; a new screen goes after the newest, whatever is on display.
TEST_F(QueryWindowTest, RingKeepsTheLastThousandScreensAndPagingBackStopsAtTheOldest) {
  pushScreens(1);
  EXPECT_EQ(ring(), std::make_tuple(1, 1, 1));
  EXPECT_EQ(w().tx_o_pnt.text, u"0001 0001 0001 ");
  EXPECT_FALSE(w().cmd_5.enabled || w().cmd_6.enabled);
  pushScreens(1);
  EXPECT_EQ(ring(), std::make_tuple(1, 2, 2));
  EXPECT_TRUE(w().cmd_5.enabled && !w().cmd_6.enabled);
  pushScreens(998);
  EXPECT_EQ(ring(), std::make_tuple(1, 1000, 1000));
  pushScreens(1);
  EXPECT_EQ(ring(), std::make_tuple(2, 1, 1));
  EXPECT_EQ(w().tx_o_pnt.text, u"0002 0001 0001 ");
  w().cmd_5_Click();
  EXPECT_EQ(w().m_HistPos, 1000);
  EXPECT_TRUE(w().cmd_6.enabled);
  int presses = 1;
  for (; w().cmd_5.enabled; ++presses) w().cmd_5_Click();
  EXPECT_EQ(presses, 999);
  EXPECT_EQ(ring(), std::make_tuple(2, 2, 1));
  w().cmd_6_Click();
  EXPECT_TRUE(w().cmd_5.enabled);
  pushScreens(998);
  EXPECT_EQ(ring(), std::make_tuple(1000, 999, 999));
  pushScreens(1);
  EXPECT_EQ(ring(), std::make_tuple(1, 1000, 1000));
}

// The page's whole text is checked through the Qt printer's table of positions; here, that each
// shown box stands after its caption at the one column, and what a printer's failure leaves.
TEST_F(QueryWindowTest, PrintsTheShownBoxesAtTheirColumnOrOneMessageOnFailure) {
  set.search(1, u"B1200003");
  RecordingPrintSurface printer;
  set.program.printer = &printer;
  w().cmd_4_Click();
  EXPECT_TRUE(set.ui.messages.empty());
  for (const TextBox* box : {&w().tx_o_02, &w().tx_o_03, &w().tx_o_05, &w().tx_o_09}) {
    const std::string item = "tab(25) \" : \" \"" + toUtf8(box->text) + "\"";
    EXPECT_EQ(std::ranges::count_if(printer.calls, [&](auto& c) { return c.ends_with(item); }), 1)
        << item;
  }
  const WindowSnapshot before = snapshot(w());
  printer.calls.clear();
  printer.failAtCall = 12;
  w().cmd_4_Click();
  EXPECT_EQ(set.ui.takeMessages(), Texts{u"MSG_1_09:列印失敗 !\r\n印表機離線"});
  EXPECT_TRUE(snapshot(w()) == before);
  set.program.printer = nullptr;  // no printer at all
  w().cmd_4_Click();
  EXPECT_EQ(set.ui.takeMessages(), Texts{u"MSG_1_09:列印失敗 !\r\n找不到預設印表機"});
}

}  // namespace
}  // namespace kv884::test

// The ring of the last 1000 shown screens: where pushes go, how the oldest gives way, and what
// paging and 次筆 do with it.

#include <gtest/gtest.h>

#include "support/query_fixture.hpp"

namespace kv884::test {
namespace {

class ScreenRing : public ::testing::Test {
 protected:
  ScreenRing() { set.open(); }
  QueryWindow& w() { return set.window(); }
  void push(int times) {
    for (int i = 0; i < times; ++i) set.search(u"依 戶號", u"");
  }
  std::tuple<int, int, int> indexes() { return {w().m_HistFirst, w().m_HistPos, w().m_HistLast}; }

  OpenedFixture set;
};

TEST_F(ScreenRing, FirstAndSecondScreens) {
  push(1);
  EXPECT_EQ(indexes(), std::make_tuple(1, 1, 1));
  EXPECT_EQ(w().tx_o_pnt.text, u"0001 0001 0001 ");
  EXPECT_FALSE(w().cmd_5.enabled || w().cmd_6.enabled);
  push(1);
  EXPECT_EQ(indexes(), std::make_tuple(1, 2, 2));
  EXPECT_TRUE(w().cmd_5.enabled);
  EXPECT_FALSE(w().cmd_6.enabled);
}

TEST_F(ScreenRing, OldestScreenGivesWayFromTheThousandAndFirst) {
  push(1000);
  EXPECT_EQ(indexes(), std::make_tuple(1, 1000, 1000));
  push(1);
  EXPECT_EQ(indexes(), std::make_tuple(2, 1, 1));
  EXPECT_EQ(w().tx_o_pnt.text, u"0002 0001 0001 ");
  push(998);
  EXPECT_EQ(indexes(), std::make_tuple(1000, 999, 999));
  push(1);
  EXPECT_EQ(indexes(), std::make_tuple(1, 1000, 1000));
}

TEST_F(ScreenRing, PagingBackWrapsAndStopsAtTheOldest) {
  push(1001);  // slots 2..1000 then 1; showing slot 1
  w().cmd_5_Click();
  EXPECT_EQ(w().m_HistPos, 1000);
  EXPECT_TRUE(w().cmd_6.enabled);
  int presses = 1;
  while (w().cmd_5.enabled) w().cmd_5_Click(), ++presses;
  EXPECT_EQ(presses, 999);
  EXPECT_EQ(w().m_HistPos, 2);
  EXPECT_EQ(indexes(), std::make_tuple(2, 2, 1));
  w().cmd_6_Click();
  EXPECT_TRUE(w().cmd_5.enabled);
}

TEST_F(ScreenRing, PagingThenNextPushesAfterTheNewestAndShowsTheSearchsNextHolder) {
  set.search(u"依 戶號", u"");
  w().cmd_2_Click();
  w().cmd_2_Click();  // three screens; the fourth holder read ahead
  std::u16string third = w().tx_o_02.text;
  w().cmd_5_Click();
  w().cmd_5_Click();
  EXPECT_EQ(indexes(), std::make_tuple(1, 1, 3));
  EXPECT_FALSE(w().cmd_5.enabled);
  EXPECT_TRUE(w().cmd_2.enabled);  // paging leaves 次筆 alone

  w().cmd_2_Click();
  EXPECT_EQ(indexes(), std::make_tuple(1, 4, 4));
  EXPECT_TRUE(w().cmd_5.enabled);
  EXPECT_FALSE(w().cmd_6.enabled);
  EXPECT_GT(w().tx_o_02.text, third);  // the holder after the third in 戶號 order
  w().cmd_5_Click();
  EXPECT_EQ(w().tx_o_02.text, third);
}

}  // namespace
}  // namespace kv884::test

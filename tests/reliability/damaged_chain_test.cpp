// Detail chains with a cycle, in each key order: a successor that leads back to the record itself
// (length 1) or to the first record of the order (the whole chain). A search walk ends with the
// order's no-match message after at most as many steps as the detail file has records; 次筆
// keeps being offered along a cycle, one bounded step per press, and kv884-query stops after as
// many screens as the file has records.
//
// In the basic fixture the last and first records of each order are: 統一編號 24 (Z113453363) and
// 2, 帳號 2 (98457419255) and 3, 戶號 27 (T000000001) and 1, 中文戶名 2 (譚華玲) and 23.

#include <gtest/gtest.h>

#include "reliability/damaged_set.hpp"

namespace kv884::test {
namespace {

struct ChainOrder {
  int kind;
  int64_t last;
  std::string first;  // six digits
  std::u16string lastKey;
};

const ChainOrder kOrders[] = {
    {1, 24, "000002", u"Z113453363"},
    {2, 2, "000003", u"98457419255"},
    {3, 27, "000001", u"T000000001"},
    {4, 2, "000023", u"譚華玲"},
};

struct CycleCase {
  ChainOrder order;
  bool wholeChain;  // false: the last record leads to itself
};

void makeCycle(const DamagedSet& set, const CycleCase& c) {
  set.setDetailField(c.order.last, keyKind(c.order.kind).successor,
                     c.wholeChain ? c.order.first : toUtf8(recordNumberText(c.order.last)));
}

// A key above the last record's key that still passes the root and leaf pages: for 統一編號, 帳號
// and 戶號 the last key and one blank (the page keys are padded with blanks); for names the last
// record's own name key is lowered to 譚華 so that 譚華玲 lies above it.
std::u16string keyBeyondLast(const DamagedSet& set, const ChainOrder& order) {
  if (order.kind == 4) {
    set.setDetailField(order.last, {DetailRecord::kNameKey.position + 2, 1}, "\xA1\x40");
    return order.lastKey;
  }
  return order.lastKey + u" ";
}

class ChainCycle : public ::testing::TestWithParam<CycleCase> {};

TEST_P(ChainCycle, SearchWalkEndsWithTheOrdersMessage) {
  const CycleCase& c = GetParam();
  DamagedSet set;
  makeCycle(set, c);
  const std::u16string key = keyBeyondLast(set, c.order);

  ASSERT_TRUE(set.open());
  int64_t detailReads = 0;
  set.program.files.setReadObserver([&](int fileNo, int64_t) {
    if (fileNo == kDetailIndexFile) ++detailReads;
  });
  set.search(c.order.kind, key);
  EXPECT_EQ(set.ui.takeMessages(), Texts{kWalkMiss[c.order.kind]});
  EXPECT_LE(detailReads, 30);
  EXPECT_FALSE(set.window().cmd_2.enabled);
  EXPECT_EQ(set.window().m_HistLast, 0);

  CommandResult run =
      runQuery({set.folder().string(), "--by", kCliKindOf[c.order.kind], toUtf8(key)}, "", 30);
  EXPECT_EQ(run.status, 1) << "124 means the walk did not end";
  EXPECT_EQ(run.err, stderrOf(kWalkMiss[c.order.kind]));
}

TEST_P(ChainCycle, NextFollowsTheCycleOneBoundedStepAPress) {
  const CycleCase& c = GetParam();
  DamagedSet set;
  makeCycle(set, c);
  // The last holder for a cycle of length 1, the whole order for a cycle through the chain.
  const std::u16string key = c.wholeChain ? u"" : c.order.lastKey;

  ASSERT_TRUE(set.open());
  set.search(c.order.kind, key);
  ASSERT_TRUE(set.ui.takeMessages().empty());
  for (int press = 0; press < 40; ++press) {
    ASSERT_TRUE(set.window().cmd_2.enabled) << "press " << press;
    set.window().cmd_2_Click();
  }
  EXPECT_TRUE(set.ui.takeMessages().empty());
  EXPECT_EQ(set.window().tx_o_pnt.text, u"0001 0041 0041 ");

  CommandResult run =
      runQuery({set.folder().string(), "--by", kCliKindOf[c.order.kind], toUtf8(key)}, "", 30);
  EXPECT_EQ(run.status, 0) << "124 means kv884-query did not stop";
  EXPECT_EQ(lineCount(run.out), 30u);
}

std::vector<CycleCase> cycleCases() {
  std::vector<CycleCase> cases;
  for (const ChainOrder& order : kOrders) {
    cases.push_back({order, false});
    cases.push_back({order, true});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryOrder, ChainCycle, ::testing::ValuesIn(cycleCases()),
                         [](const auto& info) {
                           return std::string(kCliKindOf[info.param.order.kind]) +
                                  (info.param.wholeChain ? "_back_to_first" : "_to_itself");
                         });

}  // namespace
}  // namespace kv884::test

// How many holders a data set can hold, and the run lengths that fit them.

#include <gtest/gtest.h>

#include <set>

#include "mkset/data_set_builder.hpp"
#include "mkset/index_pages.hpp"
#include "mkset/key_orders.hpp"
#include "mkset/mkset_error.hpp"
#include "mkset/record_numbering.hpp"
#include "mkset/synthetic_holders.hpp"
#include "support/temp_folder.hpp"
#include "tools/built_set.hpp"

namespace kv884 {
namespace {

using namespace mkset;
using test::BuiltSet;
using test::TempFolder;

DataSetOptions optionsFor(std::optional<int64_t> runLength, int runsPerPage) {
  DataSetOptions o;
  o.security = {u"8801", u"測試", u"20250101", u"N"};
  o.runLength = runLength;
  o.runsPerPage = runsPerPage;
  return o;
}

int usedRootEntries(BuiltSet& set, int kind) {
  std::u16string text = set.rootPage(keyKind(kind));
  return static_cast<int>(BuiltSet::usedEntries(KeyPage{keyKind(kind), text}).size());
}

TEST(RunLengthTest, SmallestRunLengthFillsAtMostOneHundredLeafPages) {
  EXPECT_EQ(smallestRunLength(1, 100), 1);
  EXPECT_EQ(smallestRunLength(10000, 100), 1);
  EXPECT_EQ(smallestRunLength(10001, 100), 2);
  EXPECT_EQ(smallestRunLength(999999, 100), 100);
  EXPECT_EQ(smallestRunLength(201, 2), 2);
  EXPECT_EQ(smallestRunLength(10, 0), std::nullopt);
  EXPECT_EQ(smallestRunLength(10, 101), std::nullopt);
  EXPECT_EQ(leafPagesNeeded(999999, 100, 100), 100);
  EXPECT_EQ(leafPagesNeeded(201, 1, 2), 101);
}

TEST(RunLengthTest, RunLengthThatCannotFitIsRefusedNamingTheSmallestThatFits) {
  TempFolder temp;
  std::vector<Holder> holders = syntheticHolders(201, 5, u"8801");
  try {
    buildDataSet(temp.path(), holders, optionsFor(1, 2));
    FAIL() << "201 runs of one on pages of two need 101 leaf pages";
  } catch (const MksetError& e) {
    EXPECT_NE(std::string(e.what()).find("smallest run length that fits is 2"), std::string::npos)
        << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "ntr" / "8801.sin"));
}

TEST(RunLengthTest, DefaultRunLengthFillsTheRootPage) {
  TempFolder temp;
  BuildSummary summary =
      buildDataSet(temp.path(), syntheticHolders(201, 5, u"8801"), optionsFor(std::nullopt, 2));
  EXPECT_EQ(summary.runLength, 2);
  BuiltSet set(temp.path(), u"8801");
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(usedRootEntries(set, k), 51) << "kind " << k;
    EXPECT_EQ(set.chain(keyKind(k)).size(), 201u) << "kind " << k;
  }
}

TEST(RunLengthTest, AFullRootPageNamesOneHundredLeafPages) {
  TempFolder temp;
  BuildSummary summary =
      buildDataSet(temp.path(), syntheticHolders(10000, 6, u"8801"), optionsFor(std::nullopt, 100));
  EXPECT_EQ(summary.runLength, 1);
  BuiltSet set(temp.path(), u"8801");
  EXPECT_EQ(set.pageCount(), 404);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(usedRootEntries(set, k), 100) << "kind " << k;
    std::vector<int64_t> chain = set.chain(keyKind(k));
    EXPECT_EQ(std::set<int64_t>(chain.begin(), chain.end()).size(), 10000u) << "kind " << k;
  }
}

TEST(HolderCountTest, NoHoldersAndTooManyHoldersAreRefused) {
  TempFolder temp;
  EXPECT_THROW(buildDataSet(temp.path(), {}, optionsFor(std::nullopt, 100)), MksetError);
  std::vector<Holder> tooMany(1000000);
  EXPECT_THROW(buildDataSet(temp.path(), tooMany, optionsFor(std::nullopt, 100)), MksetError);
}

// 999999 ends a chain, so with 999,999 holders the detail record of that number must hold the
// holder no chain leads to.
TEST(RecordNumberingTest, Record999999GoesToTheHolderFirstInEveryOrder) {
  std::vector<int64_t> numbers = detailRecordNumbers(999999, 7, 123456);
  EXPECT_EQ(numbers[123456], 999999);
  std::vector<bool> seen(1000000, false);
  for (int64_t n : numbers) {
    ASSERT_TRUE(n >= 1 && n <= 999999);
    EXPECT_FALSE(seen[static_cast<size_t>(n)]);
    seen[static_cast<size_t>(n)] = true;
  }
}

TEST(RecordNumberingTest, DetailNumbersAreAShuffleThatTheSeedDecides) {
  std::vector<int64_t> a = detailRecordNumbers(1000, 1, std::nullopt);
  EXPECT_EQ(a, detailRecordNumbers(1000, 1, std::nullopt));
  EXPECT_NE(a, detailRecordNumbers(1000, 2, std::nullopt));
  EXPECT_EQ(std::set<int64_t>(a.begin(), a.end()).size(), 1000u);
  int inPlace = 0;
  for (size_t i = 0; i < a.size(); ++i) inPlace += a[i] == static_cast<int64_t>(i) + 1;
  EXPECT_LT(inPlace, 20);
}

TEST(RecordNumberingTest, FirstInEveryOrderOnlyWhenAllFourAgree) {
  std::array<KeyOrder, 4> agree{KeyOrder{2, 0, 1}, KeyOrder{2, 1, 0}, KeyOrder{2, 0, 1},
                                KeyOrder{2, 1, 0}};
  EXPECT_EQ(firstInEveryOrder(agree), 2u);
  std::array<KeyOrder, 4> differ = agree;
  differ[3] = KeyOrder{0, 2, 1};
  EXPECT_EQ(firstInEveryOrder(differ), std::nullopt);
}

}  // namespace
}  // namespace kv884

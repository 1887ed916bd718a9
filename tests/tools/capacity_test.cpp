// How many holders a data set can hold, the run lengths that fit them, and the record numbering.

#include <gtest/gtest.h>

#include <set>

#include "check/data_set_editor.hpp"
#include "mkset/data_set_builder.hpp"
#include "mkset/index_pages.hpp"
#include "mkset/key_orders.hpp"
#include "mkset/mkset_error.hpp"
#include "mkset/record_numbering.hpp"
#include "mkset/synthetic_holders.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

using namespace mkset;
using test::TempFolder;

DataSetOptions optionsFor(std::optional<int64_t> runLength, int runsPerPage) {
  DataSetOptions o;
  o.security = {u"8801", u"測試", u"20250101", u"N"};
  o.runLength = runLength;
  o.runsPerPage = runsPerPage;
  return o;
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

// Without a run length the builder takes the smallest that fits; the set checks sound.
TEST(RunLengthTest, DefaultRunLengthFillsTheRootPageAndChecksSound) {
  struct Case {
    int64_t holders;
    int runsPerPage;
    int64_t runLength;
    int rootEntries;
    int64_t pages;
  };
  for (Case c : {Case{201, 2, 2, 51, 4 + 4 * 51}, Case{10000, 100, 1, 100, 404}}) {
    SCOPED_TRACE(std::to_string(c.holders) + " holders");
    TempFolder temp;
    BuildSummary summary = buildDataSet(temp.path(), syntheticHolders(c.holders, 5, u"8801"),
                                        optionsFor(std::nullopt, c.runsPerPage));
    EXPECT_EQ(summary.runLength, c.runLength);
    CheckReport report = test::checkFolder(temp.path());
    EXPECT_TRUE(report.sound()) << test::describe(report);
    EXPECT_EQ(report.keyIndexFile.records, c.pages);
    for (const KindCounts& k : report.kinds) {
      EXPECT_EQ(k.rootUsedEntries, c.rootEntries);
      EXPECT_EQ(k.chainLength, c.holders);
    }
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
  std::array<KeyOrder, 4> agree{KeyOrder{2, 0, 1}, KeyOrder{2, 1, 0}, KeyOrder{2, 0, 1},
                                KeyOrder{2, 1, 0}};
  EXPECT_EQ(firstInEveryOrder(agree), 2u);
  agree[3] = KeyOrder{0, 2, 1};
  EXPECT_EQ(firstInEveryOrder(agree), std::nullopt);
}

// Detail record numbers differ from data record numbers, as the seed decides.
TEST(RecordNumberingTest, DetailNumbersAreAShuffleThatTheSeedDecides) {
  std::vector<int64_t> a = detailRecordNumbers(1000, 1, std::nullopt);
  EXPECT_EQ(a, detailRecordNumbers(1000, 1, std::nullopt));
  EXPECT_NE(a, detailRecordNumbers(1000, 2, std::nullopt));
  int inPlace = 0;
  for (size_t i = 0; i < a.size(); ++i) inPlace += a[i] == static_cast<int64_t>(i) + 1;
  EXPECT_LT(inPlace, 20);
}

}  // namespace
}  // namespace kv884

// Each kind of damage to a data set is reported under its class and key kind, with the record
// numbers that lead to it. The damage is done to copies of the basic fixture (30 holders).

#include <gtest/gtest.h>

#include <algorithm>

#include "check/data_set_editor.hpp"
#include "platform/key_compare.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

using Records = std::vector<int64_t>;

class DamageTest : public ::testing::Test {
 protected:
  DamageTest() : set_(copyFixture("basic", temp_.path())), edit_(set_, "7701") {}

  CheckReport check() { return checkFolder(set_); }
  // The one shown problem of a class and kind (an empty one, and a failure, when not one).
  static Problem only(const CheckReport& report, ProblemClass problemClass, int kind) {
    std::vector<Problem> problems = shown(report, problemClass, kind);
    EXPECT_EQ(problems.size(), 1u) << static_cast<int>(problemClass) << "/" << kind;
    return problems.size() == 1 ? problems[0] : Problem{problemClass, kind, {}, {}, 0, 0, {}};
  }

  TempFolder temp_;
  std::filesystem::path set_;
  DataSetEditor edit_;
};

TEST_F(DamageTest, CycleIsReportedWithTheRecordThatClosesItAndTheRestAsUnreachable) {
  Records chain = edit_.chain(1);
  ASSERT_EQ(chain.size(), 30u);
  edit_.setSuccessor(1, chain[10], chain[5]);

  CheckReport report = check();
  EXPECT_EQ(only(report, ProblemClass::Cycle, 1).detailRecords, (Records{chain[10], chain[5]}));
  EXPECT_EQ(report.problems.count(ProblemClass::Unreachable, 1), 19u);
  EXPECT_EQ(shown(report, ProblemClass::Unreachable, 1).size(), 19u);
  EXPECT_EQ(report.kinds[0].chainLength, 11);
  EXPECT_EQ(report.problems.count(ProblemClass::Cycle, 2), 0u);  // the other chains are whole
}

TEST_F(DamageTest, SuccessorBeyondTheFileOrWithoutDigitsIsOutOfRange) {
  Records account = edit_.chain(2), holderNo = edit_.chain(3);
  edit_.setSuccessor(2, account[3], 31);
  edit_.setDetailField(holderNo[7], keyKind(3).successor, u"      ");

  CheckReport report = check();
  EXPECT_EQ(only(report, ProblemClass::SuccessorRange, 2).detailRecords, Records{account[3]});
  EXPECT_EQ(only(report, ProblemClass::SuccessorRange, 3).detailRecords, Records{holderNo[7]});
  EXPECT_EQ(report.problems.count(ProblemClass::Unreachable, 2), 26u);
}

TEST_F(DamageTest, RecordSkippedByTheChainIsUnreachable) {
  Records chain = edit_.chain(3);
  edit_.setSuccessor(3, chain[12], chain[14]);

  CheckReport report = check();
  EXPECT_EQ(only(report, ProblemClass::Unreachable, 3).detailRecords, Records{chain[13]});
  EXPECT_EQ(report.kinds[2].chainLength, 29);
}

TEST_F(DamageTest, TwoRecordsSwappedInTheChainAreOutOfOrder) {
  Records chain = edit_.chain(2);
  // ... a -> b -> c -> d ... becomes ... a -> c -> b -> d ...
  edit_.setSuccessor(2, chain[16], chain[18]);
  edit_.setSuccessor(2, chain[18], chain[17]);
  edit_.setSuccessor(2, chain[17], chain[19]);

  CheckReport report = check();
  EXPECT_EQ(only(report, ProblemClass::OutOfOrder, 2).detailRecords,
            (Records{chain[18], chain[17]}));
  EXPECT_EQ(report.problems.count(ProblemClass::Unreachable, 2), 0u);
}

TEST_F(DamageTest, LeafKeyBelowItsRunNamesTheRunsLastRecordAndTheRecordsTheSearchMisses) {
  const KeyKind& account = keyKind(2);
  int64_t leaf = edit_.firstLeaf(account);
  std::u16string page = edit_.pageText(leaf);
  std::u16string first(KeyPage{account, page}.key(1)), second(KeyPage{account, page}.key(2));
  edit_.setPageField(leaf, entryKeyField(account, 2), first);  // entry 2 takes entry 1's key

  // The run of entry 2: the records whose key lies above entry 1's key, up to entry 2's.
  Records run;
  int64_t runLast = 0;
  for (int64_t r = 1; r <= edit_.detailCount(); ++r) {
    std::u16string key = std::u16string(DetailRecord{edit_.detailText(r)}.accountKey()) + u" ";
    if (key > first && key <= second) run.push_back(r);
    if (key == second) runLast = r;
  }
  ASSERT_FALSE(run.empty());

  CheckReport report = check();
  Problem key = only(report, ProblemClass::PageKey, 2);
  EXPECT_EQ(key.page, leaf);
  EXPECT_EQ(key.entry, 2);
  EXPECT_EQ(key.detailRecords, Records{runLast});

  Records missed;
  for (const Problem& p : shown(report, ProblemClass::NotReached, 2))
    missed.push_back(p.detailRecords.front());
  std::sort(missed.begin(), missed.end());
  EXPECT_EQ(missed, run);
}

TEST_F(DamageTest, RootKeyThatDiffersFromItsLeafsLastKeyIsAWrongPageKey) {
  edit_.setPageField(keyKind(1).rootPage, entryKeyField(keyKind(1), 2), u"A000000000  ");

  CheckReport report = check();
  std::vector<Problem> keys = shown(report, ProblemClass::PageKey, 1);
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys[0].page, 1);
  EXPECT_EQ(keys[0].entry, 2);
  EXPECT_EQ(report.problems.count(ProblemClass::PageKey, 2), 0u);
}

TEST_F(DamageTest, LeafEntryNamingTheSecondRecordOfItsRunLeavesTheFirstUnreached) {
  const KeyKind& id = keyKind(1);
  Records chain = edit_.chain(1);
  int64_t leaf = edit_.firstLeaf(id);
  std::u16string page = edit_.pageText(leaf);
  auto named = [&](int entry) { return KeyPage{id, page}.number(entry); };
  auto at = [&](int64_t record) {
    return static_cast<size_t>(std::find(chain.begin(), chain.end(), record) - chain.begin());
  };
  int entry = 2;  // the first entry after the first whose run holds two records or more
  while (chain[at(named(entry)) + 1] == named(entry + 1)) ++entry;
  int64_t first = named(entry), second = chain[at(first) + 1];
  edit_.setPageField(leaf, entryNumberField(id, entry), recordNumberText(second));

  CheckReport report = check();
  Problem miss = only(report, ProblemClass::NotReached, 1);
  EXPECT_EQ(miss.detailRecords, (Records{first, second}));
  EXPECT_EQ(miss.page, leaf);
  EXPECT_EQ(miss.entry, entry);
  // The run before now ends with the record the entry let go.
  Problem key = only(report, ProblemClass::PageKey, 1);
  EXPECT_EQ(key.detailRecords, Records{first});
  EXPECT_EQ(key.entry, entry - 1);
}

TEST_F(DamageTest, DataRecordNumberBeyondTheHolderFileLeavesItsHolderUnindexed) {
  int64_t holder = DetailRecord{edit_.detailText(7)}.dataRecNo();
  edit_.setDetailField(7, DetailRecord::kDataRecNo, u"000031");
  edit_.setDetailField(9, DetailRecord::kDataRecNo, u"000000");

  CheckReport report = check();
  std::vector<Problem> range = shown(report, ProblemClass::DataRecordRange, 0);
  ASSERT_EQ(range.size(), 2u);
  EXPECT_EQ(range[0].detailRecords, Records{7});
  EXPECT_EQ(range[1].detailRecords, Records{9});
  std::vector<Problem> unindexed = shown(report, ProblemClass::Unindexed, 0);
  ASSERT_EQ(unindexed.size(), 2u);
  EXPECT_TRUE(unindexed[0].holderRecords == Records{holder} ||
              unindexed[1].holderRecords == Records{holder});
}

TEST_F(DamageTest, KeyThatDiffersFromItsDataRecordNamesBothRecordsAndTheField) {
  int64_t holder = DetailRecord{edit_.detailText(12)}.dataRecNo();
  edit_.setHolderField(holder, HolderRecord::kIdNo, u"Z999999999");

  CheckReport report = check();
  Problem mismatch = only(report, ProblemClass::KeyMismatch, 0);
  EXPECT_EQ(mismatch.detailRecords, Records{12});
  EXPECT_EQ(mismatch.holderRecords, Records{holder});
  EXPECT_NE(mismatch.note.find(u"統一編號"), std::u16string::npos);
  EXPECT_NE(mismatch.note.find(u"Z999999999"), std::u16string::npos);
  EXPECT_EQ(mismatch.note.find(u"帳號"), std::u16string::npos);
}

TEST_F(DamageTest, TruncatedDetailFileIsReportedWithItsLength) {
  std::filesystem::path detail = set_ / "ntridx" / "7701idxd.sin";
  std::filesystem::resize_file(detail, 29 * kDetailRecordLength + 100);

  CheckReport report = check();
  EXPECT_EQ(report.problems.count(ProblemClass::FileLength, 0), 1u);
  EXPECT_EQ(report.detailFile.length, 29 * kDetailRecordLength + 100);
  EXPECT_EQ(report.detailFile.records, 30);
}

// A producer that sorted names by their code units instead of the name collation.
TEST_F(DamageTest, NameChainInCodeUnitOrderIsOutOfOrderUnderTheNameCollation) {
  const KeyKind& name = keyKind(4);
  Records chain = edit_.chain(4);
  auto nameOf = [&](int64_t r) {
    return std::u16string(DetailRecord{edit_.detailText(r)}.nameKey());
  };
  std::stable_sort(chain.begin(), chain.end(), [&](int64_t a, int64_t b) {
    return compareCodeUnits(nameOf(a), nameOf(b)) < 0;
  });
  for (size_t i = 0; i < chain.size(); ++i)
    edit_.setSuccessor(4, chain[i], i + 1 < chain.size() ? chain[i + 1] : kEndOfChain);
  edit_.setPageField(edit_.firstLeaf(name), entryNumberField(name, 1),
                     recordNumberText(chain.front()));

  CheckReport report = check();
  EXPECT_EQ(report.kinds[3].chainLength, 30);
  std::vector<Problem> order = shown(report, ProblemClass::OutOfOrder, 4);
  ASSERT_FALSE(order.empty());
  for (const Problem& p : order) {
    ASSERT_EQ(p.detailRecords.size(), 2u);
    EXPECT_GT(NameCollation::compare(nameOf(p.detailRecords[0]), nameOf(p.detailRecords[1])), 0);
  }
  EXPECT_EQ(report.problems.count(ProblemClass::OutOfOrder, 1), 0u);
}

}  // namespace
}  // namespace kv884::test

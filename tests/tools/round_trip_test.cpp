// Data sets written by the builder and read back with the viewer's readers.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "dataset/count_report_reader.hpp"
#include "dataset/descriptor_reader.hpp"
#include "mkset/data_set_builder.hpp"
#include "mkset/holder_csv.hpp"
#include "platform/key_compare.hpp"
#include "support/temp_folder.hpp"
#include "tools/built_set.hpp"

namespace kv884 {
namespace {

using mkset::buildDataSet;
using mkset::DataSetOptions;
using mkset::holdersFromCsv;
using test::BuiltSet;
using test::TempFolder;

// Ten holders: three share the ID A123456789 (and the name 陳志明), one ID is typed in small
// letters, one is a business number; names in half-width and full-width letters, one with a
// comma, one with a user-defined character; a quantity with blanks in it and a blank one.
constexpr const char* kCsv =
    "account_no,id_no,holder_no,holder_name,transfer_shares,allotment_type,data_category,"
    "forced_posting_flag,per_holder_flag,collateral_shares,collateral_count\n"
    "60100000001,A123456789,0000000105,陳志明,1500000,0,1, ,Y,0,0\n"
    "98000000002,b223456789,0000000101,林美玲,250,A,2,2,N,120000,3\n"
    "53800000003,A123456789,0000000103,陳志明,77,B, , , ,0,0\n"
    "70000000004,12345678,G000001,ＡＢＣ股份有限公司,   12 345,C,1,1,Y,0,0\n"
    "11600000005,A123450000,0000000102,\"Smith, John\",5,E,1, ,Y,0,0\n"
    "60100000006,C111111111,0000000104,周\xEE\x80\x80倫,,F,2, ,N,5,1\n"
    "98450000007,A123456790,0000000100,abc Trading,9,G,1, ,Y,0,0\n"
    "60100000008,Z100000008,0000000107,ＡＢＣ實業有限公司,10,D,1, ,Y,0,0\n"
    "60100000009,F200000009,0000000106,王小明,11, ,2, ,Y,0,0\n"
    "60100000010,A123456789,0000000108,陳志明,12,0,1, ,Y,0,0\n";
constexpr int64_t kHolders = 10;

DataSetOptions options(int64_t runLength, int runsPerPage) {
  DataSetOptions o;
  o.security = {u"7705", u"群星, 水泥", u"20250115", u"N"};
  o.runLength = runLength;
  o.runsPerPage = runsPerPage;
  return o;
}

std::filesystem::path buildSmallSet(const TempFolder& temp, int64_t runLength, int runsPerPage) {
  std::filesystem::path folder = temp.path() / "set";
  buildDataSet(folder, holdersFromCsv(kCsv, u"7705"), options(runLength, runsPerPage));
  return folder;
}

// The padded form a page entry holds for a detail key field.
std::u16string padded(const KeyKind& kind, std::u16string key) {
  key.resize(static_cast<size_t>(kind.keyWidth), kind.byNameCollation ? u'\u3000' : u' ');
  return key;
}

class LayoutTest : public ::testing::TestWithParam<std::tuple<int64_t, int>> {
 protected:
  void SetUp() override {
    std::tie(runLength_, runsPerPage_) = GetParam();
    folder_ = buildSmallSet(temp_, runLength_, runsPerPage_);
    set_ = std::make_unique<BuiltSet>(folder_, u"7705");
  }

  TempFolder temp_;
  std::filesystem::path folder_;
  int64_t runLength_ = 0;
  int runsPerPage_ = 0;
  std::unique_ptr<BuiltSet> set_;
};

TEST_P(LayoutTest, EachChainVisitsEveryDetailRecordOnceInAscendingKeyOrder) {
  for (int k = 1; k <= 4; ++k) {
    const KeyKind& kind = keyKind(k);
    std::vector<int64_t> chain = set_->chain(kind);
    ASSERT_EQ(static_cast<int64_t>(chain.size()), kHolders) << "kind " << k;
    EXPECT_EQ(std::set<int64_t>(chain.begin(), chain.end()).size(), chain.size()) << "kind " << k;
    for (size_t i = 1; i < chain.size(); ++i)
      EXPECT_LE(compareKeys(kind, set_->keyOf(kind, chain[i - 1]), set_->keyOf(kind, chain[i])), 0)
          << "kind " << k << " at " << i;
  }
}

TEST_P(LayoutTest, LeafEntriesNameEachRunByItsFirstRecordAndItsLastKey) {
  for (int k = 1; k <= 4; ++k) {
    const KeyKind& kind = keyKind(k);
    std::vector<int64_t> chain = set_->chain(kind);
    std::u16string rootText = set_->rootPage(kind);
    KeyPage root{kind, rootText};
    size_t run = 0;
    for (int r : BuiltSet::usedEntries(root)) {
      std::u16string leafText = set_->page(kind, root.number(r));
      KeyPage leaf{kind, leafText};
      std::vector<int> used = BuiltSet::usedEntries(leaf);
      ASSERT_FALSE(used.empty());
      EXPECT_LE(static_cast<int>(used.size()), runsPerPage_);
      EXPECT_EQ(used.back(), static_cast<int>(used.size())) << "used entries come first";
      for (int e : used) {
        size_t first = run * static_cast<size_t>(runLength_);
        size_t last = std::min(first + static_cast<size_t>(runLength_), chain.size()) - 1;
        ASSERT_LT(first, chain.size()) << "kind " << k;
        EXPECT_EQ(leaf.number(e), chain[first]) << "kind " << k << " run " << run;
        EXPECT_EQ(leaf.key(e), padded(kind, set_->keyOf(kind, chain[last])))
            << "kind " << k << " run " << run;
        ++run;
      }
      EXPECT_EQ(root.key(r), leaf.key(used.back())) << "kind " << k;
    }
    size_t expectedRuns =
        (chain.size() + static_cast<size_t>(runLength_) - 1) / static_cast<size_t>(runLength_);
    EXPECT_EQ(run, expectedRuns) << "kind " << k;
  }
}

TEST_P(LayoutTest, UnusedEntriesHoldZeroNumbersAndBlankKeysAndEveryPageIsReached) {
  std::set<int64_t> reached{1, 2, 3, 4};
  for (int k = 1; k <= 4; ++k) {
    const KeyKind& kind = keyKind(k);
    std::vector<int64_t> pages{kind.rootPage};
    std::u16string rootText = set_->rootPage(kind);
    KeyPage root{kind, rootText};
    for (int r : BuiltSet::usedEntries(root)) {
      pages.push_back(root.number(r));
      EXPECT_TRUE(reached.insert(root.number(r)).second) << "leaf page named twice";
    }
    for (int64_t record : pages) {
      std::u16string text = set_->page(kind, record);
      KeyPage page{kind, text};
      for (auto e = static_cast<int>(BuiltSet::usedEntries(page).size()) + 1; e <= kEntriesPerPage;
           ++e) {
        EXPECT_EQ(page.numberField(e), u"000000") << "kind " << k << " page " << record;
        EXPECT_EQ(page.key(e), padded(kind, u"")) << "kind " << k << " page " << record;
      }
    }
  }
  EXPECT_EQ(static_cast<int64_t>(reached.size()), set_->pageCount());
  EXPECT_EQ(*reached.rbegin(), set_->pageCount());
}

INSTANTIATE_TEST_SUITE_P(
    RunLengthsAndPageSizes, LayoutTest,
    ::testing::Values(std::make_tuple(int64_t{1}, 100), std::make_tuple(int64_t{1}, 3),
                      std::make_tuple(int64_t{2}, 2), std::make_tuple(int64_t{3}, 1),
                      std::make_tuple(int64_t{4}, 2), std::make_tuple(int64_t{10}, 100)));

class SmallSetTest : public ::testing::Test {
 protected:
  SmallSetTest() : folder_(buildSmallSet(temp_, 2, 2)), set_(folder_, u"7705") {}

  // Detail records by the holder's data record number (its CSV row).
  std::map<int64_t, int64_t> detailByRow() {
    std::map<int64_t, int64_t> rows;
    for (int64_t r = 1; r <= set_.detailCount(); ++r)
      rows[DetailRecord{set_.detail(r)}.dataRecNo()] = r;
    return rows;
  }

  TempFolder temp_;
  std::filesystem::path folder_;
  BuiltSet set_;
};

TEST_F(SmallSetTest, HolderRecordFieldsReadBackAsWritten) {
  std::u16string text = set_.holder(2);
  HolderRecord h{text};
  EXPECT_EQ(h.accountNo(), u"98000000002");
  EXPECT_EQ(h.idNo(), u"b223456789");  // as typed; only the key is in capitals
  EXPECT_EQ(h.transferShares(), u"0000000000250");
  EXPECT_EQ(h.forcedPostingFlag(), u"2");
  EXPECT_EQ(h.dataCategory(), u"2");
  EXPECT_EQ(h.securityCode(), u"7705  ");  // no column: the descriptor's code
  EXPECT_EQ(h.allotmentType(), u"A");
  EXPECT_EQ(h.holderNo(), u"0000000101");
  EXPECT_EQ(h.perHolderFlag(), u"N");

  std::u16string business = set_.holder(4);
  EXPECT_EQ(HolderRecord{business}.idNo(), u"12345678  ");
  EXPECT_EQ(HolderRecord{business}.transferShares(), u"   12 345    ");
  EXPECT_EQ(HolderRecord{business}.holderNo(), u"G000001   ");

  std::u16string blankShares = set_.holder(6);
  EXPECT_EQ(HolderRecord{blankShares}.transferShares(), std::u16string(13, u' '));
  std::u16string blankType = set_.holder(9);
  EXPECT_EQ(HolderRecord{blankType}.allotmentType(), u" ");
  EXPECT_EQ(HolderRecord{set_.holder(3)}.dataCategory(), u" ");
}

TEST_F(SmallSetTest, DetailRecordFieldsReadBackAsWritten) {
  std::map<int64_t, int64_t> rows = detailByRow();
  ASSERT_EQ(rows.size(), static_cast<size_t>(kHolders));

  std::u16string second = set_.detail(rows[2]);
  DetailRecord d{second};
  EXPECT_EQ(d.idKey(), u"B223456789");
  EXPECT_EQ(d.accountKey(), u"98000000002");
  EXPECT_EQ(d.nameKey(), u"林美玲\u3000\u3000\u3000");
  EXPECT_EQ(d.holderNoKey(), u"0000000101");
  EXPECT_EQ(d.collateralShares(), u"0000000120000");
  EXPECT_EQ(d.collateralCount(), u"03");
  EXPECT_EQ(d.holderName(), u"林美玲" + std::u16string(16, u' '));

  std::u16string comma = set_.detail(rows[5]);
  EXPECT_EQ(DetailRecord{comma}.holderName(), u"Smith, John        ");
  EXPECT_EQ(DetailRecord{comma}.nameKey(), u"Ｓｍｉｔｈ，");
  std::u16string latin = set_.detail(rows[7]);
  EXPECT_EQ(DetailRecord{latin}.nameKey(), u"ａｂｃ\u3000Ｔｒ");
  std::u16string company = set_.detail(rows[4]);
  EXPECT_EQ(DetailRecord{company}.nameKey(), u"ＡＢＣ股份有");
  EXPECT_EQ(DetailRecord{company}.idKey(), u"12345678  ");
}

TEST_F(SmallSetTest, UserDefinedCharacterIsWrittenAsItsBig5Code) {
  int64_t record = detailByRow()[6];
  std::string raw = set_.rawDetail(record);
  const std::string expected = "\xA9\x50\xFA\x40\xAD\xDB\xA1\x40\xA1\x40\xA1\x40";
  EXPECT_EQ(raw.substr(21, 12), expected);
  std::u16string text = set_.detail(record);
  EXPECT_EQ(DetailRecord{text}.holderName().substr(0, 3), u"周\uE000倫");
}

TEST_F(SmallSetTest, RecordsHoldExactlyTheirLengthsAndNamePagesTheirEntries) {
  EXPECT_EQ(std::filesystem::file_size(folder_ / "ntr" / "7705.sin"), 10u * 122);
  EXPECT_EQ(std::filesystem::file_size(folder_ / "ntridx" / "7705idxd.sin"), 10u * 153);
  EXPECT_EQ(std::filesystem::file_size(folder_ / "ntridx" / "7705idxp.sin") % 1800, 0u);
  // Every name key is double-byte, so the name root page is 100 entries of 18 bytes with
  // nothing after them.
  const KeyKind& names = keyKind(4);
  EXPECT_EQ(encodeBig5(set_.rootPage(names)), set_.rawPage(names.rootPage));
  std::u16string rootText = set_.rootPage(names);
  KeyPage root{names, rootText};
  EXPECT_EQ(root.numberField(100), u"000000");
}

TEST_F(SmallSetTest, EqualKeysStandTogetherInInputOrder) {
  for (int k : {1, 4}) {
    std::vector<int64_t> chain = set_.chain(keyKind(k));
    std::vector<size_t> positions;
    std::vector<int64_t> rows;
    for (size_t i = 0; i < chain.size(); ++i) {
      std::u16string text = set_.detail(chain[i]);
      DetailRecord d{text};
      if (d.idKey() != u"A123456789") continue;
      positions.push_back(i);
      rows.push_back(d.dataRecNo());
    }
    ASSERT_EQ(positions.size(), 3u) << "kind " << k;
    EXPECT_EQ(positions[2] - positions[0], 2u) << "kind " << k << ": another holder between them";
    EXPECT_EQ(rows, (std::vector<int64_t>{1, 3, 10})) << "kind " << k;
  }
}

TEST_F(SmallSetTest, LowerCaseIdSortsAsCapitals) {
  std::vector<std::u16string> ids;
  for (int64_t r : set_.chain(keyKind(1))) ids.emplace_back(DetailRecord{set_.detail(r)}.idKey());
  EXPECT_EQ(ids.front(), u"12345678  ");  // digits before capitals
  auto b = std::find(ids.begin(), ids.end(), u"B223456789");
  auto c = std::find(ids.begin(), ids.end(), u"C111111111");
  ASSERT_NE(b, ids.end());
  EXPECT_EQ(b + 1, c);
}

TEST_F(SmallSetTest, NamesFollowTheNameCollation) {
  std::vector<std::u16string> names;
  for (int64_t r : set_.chain(keyKind(4)))
    names.emplace_back(DetailRecord{set_.detail(r)}.nameKey());
  // Latin letters before Han characters, and 王 (4 strokes) before 林 (8) before 陳 (16).
  EXPECT_EQ(names.front(), u"ａｂｃ\u3000Ｔｒ");
  auto wang = std::find(names.begin(), names.end(), u"王小明\u3000\u3000\u3000");
  auto lin = std::find(names.begin(), names.end(), u"林美玲\u3000\u3000\u3000");
  auto chen = std::find(names.begin(), names.end(), u"陳志明\u3000\u3000\u3000");
  EXPECT_LT(wang, lin);
  EXPECT_LT(lin, chen);
}

TEST_F(SmallSetTest, DetailRecordNumbersAreIndependentOfDataRecordNumbers) {
  std::map<int64_t, int64_t> rows = detailByRow();
  ASSERT_EQ(rows.size(), static_cast<size_t>(kHolders));
  EXPECT_EQ(rows.begin()->first, 1);
  EXPECT_EQ(rows.rbegin()->first, kHolders);
  int same = 0;
  for (auto [row, detail] : rows) same += row == detail;
  EXPECT_LT(same, kHolders / 2);
}

TEST_F(SmallSetTest, DescriptorReadsBackWithAQuotedComma) {
  FileTable files;
  files.openInput(kDescriptorFile, descriptorPath(fromUtf8(folder_.string())));
  SequentialInput& in = files.input(kDescriptorFile);
  EXPECT_EQ(readDescriptorItem(in), u"7705");
  EXPECT_EQ(readDescriptorItem(in), u"群星, 水泥");
  EXPECT_EQ(readDescriptorItem(in), u"20250115");
  EXPECT_EQ(readDescriptorItem(in), u"N");
}

// The report's lines, each split at blanks.
std::vector<std::vector<std::u16string>> reportRows(const std::filesystem::path& folder,
                                                    const std::u16string& code) {
  FileTable files;
  files.openInput(kCountReportFile, countReportPath(fromUtf8(folder.string()), code));
  SequentialInput& in = files.input(kCountReportFile);
  std::vector<std::vector<std::u16string>> rows;
  while (!in.atEnd()) {
    std::u16string line = readReportLine(in);
    std::vector<std::u16string> words;
    for (size_t at = 0; at < line.size();) {
      size_t begin = line.find_first_not_of(u' ', at);
      if (begin == std::u16string::npos) break;
      size_t end = std::min(line.find(u' ', begin), line.size());
      words.push_back(line.substr(begin, end - begin));
      at = end;
    }
    rows.push_back(words);
  }
  return rows;
}

bool hasRow(const std::vector<std::vector<std::u16string>>& rows,
            const std::vector<std::u16string>& row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST_F(SmallSetTest, ComputedReportCountsHoldersAndSharesPerTypeAndCategory) {
  auto rows = reportRows(folder_, u"7705");
  EXPECT_TRUE(hasRow(rows, {u"一般配發", u"2", u"1,500,012"}));
  EXPECT_TRUE(hasRow(rows, {u"解除限制轉讓", u"1", u"12,345"}));
  EXPECT_TRUE(hasRow(rows, {u"其他（D）", u"1", u"10"}));
  EXPECT_TRUE(hasRow(rows, {u"其他（空白）", u"1", u"11"}));
  EXPECT_TRUE(hasRow(rows, {u"無償配股", u"6", u"1,512,381"}));
  EXPECT_TRUE(hasRow(rows, {u"其他", u"1", u"77"}));
  EXPECT_TRUE(hasRow(rows, {u"合計", u"10", u"1,512,719"}));
}

TEST(ReportTest, DecimalFlagYShowsHundredths) {
  TempFolder temp;
  DataSetOptions o = options(1, 100);
  o.security.decimalFlag = u"Y";
  buildDataSet(temp.path(), holdersFromCsv(kCsv, u"7705"), o);
  EXPECT_TRUE(hasRow(reportRows(temp.path(), u"7705"), {u"合計", u"10", u"15,127.19"}));
}

TEST(ReportTest, GivenReportIsWrittenInBig5WithCrLfLineEnds) {
  TempFolder temp;
  DataSetOptions o = options(1, 100);
  o.reportText = u"群星水泥  帳簿劃撥配發筆數\n\n合計  30\r\nend";
  buildDataSet(temp.path(), holdersFromCsv(kCsv, u"7705"), o);
  EXPECT_EQ(test::readFile(temp.path() / "ntr" / "7705.ptr"),
            encodeBig5(u"群星水泥  帳簿劃撥配發筆數\r\n\r\n合計  30\r\nend"));
}

}  // namespace
}  // namespace kv884

// Data sets written by the builder. kv884-check's library must find each one sound: every chain
// whole and in key order, every page key right, every key equal to its data record. Checked here
// is what the checker does not look at: the layout counts, the empty page entries, the field
// texts as written, the order of equal keys, the descriptor and the report.

#include <gtest/gtest.h>

#include <deque>

#include "check/data_set_editor.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_page.hpp"
#include "mkset/data_set_builder.hpp"
#include "mkset/holder_csv.hpp"
#include "platform/file_table.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;
using mkset::buildDataSet;
using mkset::DataSetOptions;

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

DataSetOptions options(int64_t runLength, int runsPerPage) {
  DataSetOptions o;
  o.security = {u"7705", u"群星, 水泥", u"20250115", u"N"};
  o.runLength = runLength;
  o.runsPerPage = runsPerPage;
  return o;
}

fs::path build(const TempFolder& temp, const DataSetOptions& o) {
  buildDataSet(temp.path() / "set", mkset::holdersFromCsv(kCsv, u"7705"), o);
  return temp.path() / "set";
}

// In every page, the entries after the first empty one hold 000000 and a blank key: ASCII blanks,
// or ideographic ones on name pages (whose keys are always double-byte).
void expectEmptyEntriesBlank(const fs::path& pagesFile) {
  std::string bytes = readFile(pagesFile);
  ASSERT_EQ(bytes.size() % kKeyPageLength, 0u);
  for (size_t at = 0; at < bytes.size(); at += kKeyPageLength) {
    const KeyKind& kind = keyKind(static_cast<unsigned char>(bytes[at]) >= 0x80 ? 4 : 1);
    std::u16string text = decodeRecord(bytes.substr(at, kKeyPageLength), kKeyPageLength);
    const std::u16string blank = emptyKeyPage(kind);
    KeyPage page{kind, text}, empty{kind, blank};
    for (int e = 1, used = 1; e <= kEntriesPerPage; ++e) {
      used = used && !page.isEmptyEntry(e);
      if (!used) {
        EXPECT_EQ(page.key(e), empty.key(e)) << "page " << at / kKeyPageLength + 1;
      }
    }
  }
}

TEST(RoundTrip, EveryLayoutChecksSoundWithItsRunsAndPages) {
  struct Layout {
    int64_t runLength;
    int runsPerPage, leafEntries, leafPages;
  };
  for (Layout l : {Layout{1, 100, 10, 1}, Layout{1, 3, 10, 4}, Layout{2, 2, 5, 3},
                   Layout{3, 1, 4, 4}, Layout{4, 2, 3, 2}, Layout{10, 100, 1, 1}}) {
    SCOPED_TRACE("run length " + std::to_string(l.runLength) + ", " +
                 std::to_string(l.runsPerPage) + " runs a page");
    TempFolder temp;
    fs::path set = build(temp, options(l.runLength, l.runsPerPage));
    CheckReport report = checkFolder(set);
    EXPECT_TRUE(report.sound()) << describe(report);
    EXPECT_EQ(report.holderFile.records, 10);
    EXPECT_EQ(report.detailFile.records, 10);
    EXPECT_EQ(report.keyIndexFile.records, 4 + 4 * l.leafPages);  // no page left unnamed
    for (const KindCounts& k : report.kinds) {
      EXPECT_EQ(k.chainLength, 10);
      EXPECT_EQ(k.leafEntries, l.leafEntries);
      EXPECT_EQ(k.leafPages, l.leafPages);
      EXPECT_EQ(k.rootUsedEntries, l.leafPages);
    }
    expectEmptyEntriesBlank(set / "ntridx" / "7705idxp.sin");
  }
}

class SmallSetTest : public ::testing::Test {
 protected:
  // The detail record of the holder of a CSV row, and the holder data record of that row.
  DetailRecord detail(int64_t row) {
    for (int64_t r = 1; r <= edit_.detailCount(); ++r) {
      texts_.push_back(edit_.detailText(r));
      if (DetailRecord{texts_.back()}.dataRecNo() == row) return DetailRecord{texts_.back()};
    }
    throw std::runtime_error("no detail record for row " + std::to_string(row));
  }
  HolderRecord holder(int64_t row) {
    FileTable files;
    files.openRecords(kHolderDataFile, holderDataPath(fromUtf8(set_.string()), u"7705"),
                      kHolderRecordLength);
    texts_.push_back(decodeRecord(files.readRecord(kHolderDataFile, row), kHolderRecordChars));
    return HolderRecord{texts_.back()};
  }

  TempFolder temp_;
  fs::path set_ = build(temp_, options(2, 2));
  DataSetEditor edit_{set_, "7705"};
  std::deque<std::u16string> texts_;  // the texts the records above view
};

TEST_F(SmallSetTest, HolderRecordFieldsReadBackAsWritten) {
  HolderRecord h = holder(2);
  EXPECT_EQ(h.accountNo(), u"98000000002");
  EXPECT_EQ(h.idNo(), u"B223456789");  // typed in small letters, written in capitals
  EXPECT_EQ(h.transferShares(), u"0000000000250");
  EXPECT_EQ(h.forcedPostingFlag(), u"2");
  EXPECT_EQ(h.dataCategory(), u"2");
  EXPECT_EQ(h.securityCode(), u"7705  ");  // no column: the descriptor's code
  EXPECT_EQ(h.allotmentType(), u"A");
  EXPECT_EQ(h.holderNo(), u"0000000101");
  EXPECT_EQ(h.perHolderFlag(), u"N");
  EXPECT_EQ(holder(4).idNo(), u"12345678  ");
  EXPECT_EQ(holder(4).transferShares(), u"   12 345    ");
  EXPECT_EQ(holder(4).holderNo(), u"G000001   ");
  EXPECT_EQ(holder(6).transferShares(), std::u16string(13, u' '));
  EXPECT_EQ(holder(9).allotmentType(), u" ");
  EXPECT_EQ(holder(3).dataCategory(), u" ");
}

TEST_F(SmallSetTest, DetailRecordFieldsReadBackAsWritten) {
  DetailRecord d = detail(2);
  EXPECT_EQ(d.idKey(), u"B223456789");
  EXPECT_EQ(d.accountKey(), u"98000000002");
  EXPECT_EQ(d.nameKey(), u"林美玲\u3000\u3000\u3000");
  EXPECT_EQ(d.holderNoKey(), u"0000000101");
  EXPECT_EQ(d.collateralShares(), u"0000000120000");
  EXPECT_EQ(d.collateralCount(), u"03");
  EXPECT_EQ(d.holderName(), u"林美玲" + std::u16string(16, u' '));
  EXPECT_EQ(detail(5).holderName(), u"Smith, John        ");
  EXPECT_EQ(detail(5).nameKey(), u"Ｓｍｉｔｈ，");
  EXPECT_EQ(detail(7).nameKey(), u"ａｂｃ\u3000Ｔｒ");
  EXPECT_EQ(detail(4).nameKey(), u"ＡＢＣ股份有");
  EXPECT_EQ(detail(4).idKey(), u"12345678  ");
  // The user-defined character is written as its Big5 code and reads back as itself.
  EXPECT_EQ(detail(6).holderName().substr(0, 3), u"周\uE000倫");
  EXPECT_NE(readFile(set_ / "ntridx" / "7705idxd.sin").find("\xA9\x50\xFA\x40\xAD\xDB\xA1\x40"),
            std::string::npos);
}

TEST_F(SmallSetTest, EqualKeysStandTogetherInInputOrder) {
  for (int kind : {1, 4}) {
    std::vector<size_t> positions;
    std::vector<int64_t> rows;
    std::vector<int64_t> chain = edit_.chain(kind);
    for (size_t i = 0; i < chain.size(); ++i) {
      std::u16string text = edit_.detailText(chain[i]);
      if (DetailRecord{text}.idKey() != u"A123456789") continue;
      positions.push_back(i);
      rows.push_back(DetailRecord{text}.dataRecNo());
    }
    ASSERT_EQ(positions.size(), 3u) << "kind " << kind;
    EXPECT_EQ(positions[2] - positions[0], 2u) << "kind " << kind << ": another holder between";
    EXPECT_EQ(rows, (std::vector<int64_t>{1, 3, 10})) << "kind " << kind;
  }
}

TEST_F(SmallSetTest, DescriptorQuotesItsItems) {
  EXPECT_EQ(readFile(set_ / "ntridx" / "security.txt"),
            "\"7705\",\"" + encodeBig5(u"群星, 水泥") + "\",\"20250115\",\"N\"\r\n");
}

// The report's text with every run of blanks made one blank.
std::string reportText(const fs::path& set) {
  std::string text = toUtf8(decodeBig5(readFile(set / "ntr" / "7705.ptr"))), out;
  for (char c : text)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

TEST_F(SmallSetTest, ComputedReportCountsHoldersAndSharesPerTypeAndCategory) {
  std::string report = reportText(set_);
  for (const char* row :
       {"一般配發 2 1,500,012", "解除限制轉讓 1 12,345", "其他（D） 1 10", "其他（空白） 1 11",
        "無償配股 6 1,512,381", "其他 1 77", "合計 10 1,512,719"})
    EXPECT_NE(report.find(row), std::string::npos) << row << " not in\n" << report;
}

TEST(ReportTest, DecimalFlagYShowsHundredths) {
  TempFolder temp;
  DataSetOptions o = options(1, 100);
  o.security.decimalFlag = u"Y";
  EXPECT_NE(reportText(build(temp, o)).find("合計 10 15,127.19"), std::string::npos);
}

TEST(ReportTest, GivenReportIsWrittenInBig5WithCrLfLineEnds) {
  TempFolder temp;
  DataSetOptions o = options(1, 100);
  o.reportText = u"群星水泥  帳簿劃撥配發筆數\n\n合計  30\r\nend";
  EXPECT_EQ(readFile(build(temp, o) / "ntr" / "7705.ptr"),
            encodeBig5(u"群星水泥  帳簿劃撥配發筆數\r\n\r\n合計  30\r\nend"));
}

}  // namespace
}  // namespace kv884::test

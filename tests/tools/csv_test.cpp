// Reading holders from CSV text.

#include <gtest/gtest.h>

#include "mkset/csv_parser.hpp"
#include "mkset/holder_csv.hpp"
#include "mkset/mkset_error.hpp"

namespace kv884 {
namespace {

using namespace mkset;

std::string errorOf(const std::string& csv) {
  try {
    holdersFromCsv(csv, u"2913");
  } catch (const MksetError& e) {
    return e.what();
  }
  return "no error";
}

TEST(CsvParserTest, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
  std::vector<CsvRow> rows =
      parseCsv("a,\"b, c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",,x\n\nlast, blank ");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"a", "b, c", "say \"hi\""}));
  EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"two\nlines", "", "x"}));
  EXPECT_EQ(rows[1].line, 2u);
  EXPECT_EQ(rows[2].fields, (std::vector<std::string>{"last", " blank "}));
  EXPECT_EQ(rows[2].line, 5u);
}

TEST(CsvParserTest, ByteOrderMarkAndLoneCrAreHandled) {
  std::vector<CsvRow> rows = parseCsv("\xEF\xBB\xBFid\rx");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].fields, std::vector<std::string>{"id"});
  EXPECT_EQ(rows[1].fields, std::vector<std::string>{"x"});
}

TEST(CsvParserTest, BrokenQuotesAreErrors) {
  EXPECT_THROW(parseCsv("a,\"open\nnever closed"), MksetError);
  EXPECT_THROW(parseCsv("\"closed\"text,b"), MksetError);
}

TEST(HolderCsvTest, ColumnsInAnyOrderAndMissingOnesBlank) {
  std::vector<Holder> holders =
      holdersFromCsv("holder_name,account_no\n陳志明,60100000001\n", u"2913");
  ASSERT_EQ(holders.size(), 1u);
  EXPECT_EQ(holders[0].get(HolderField::AccountNo), u"60100000001");
  EXPECT_EQ(holders[0].get(HolderField::HolderName), u"陳志明" + std::u16string(16, u' '));
  EXPECT_EQ(holders[0].get(HolderField::IdNo), u"          ");
  EXPECT_EQ(holders[0].get(HolderField::SecurityCode), u"2913  ");
  EXPECT_EQ(holdersFromCsv("security_code\n7701\n", u"2913")[0].get(HolderField::SecurityCode),
            u"7701  ");  // a given column wins
}

TEST(HolderCsvTest, QuantitiesOfDigitsAreZeroFilledOthersKeptAsWritten) {
  std::vector<Holder> holders = holdersFromCsv(
      "transfer_shares,collateral_count,collateral_shares,holder_no\n"
      "1500,7,,0105\n"
      "\" 12 345\",0,abc,G12\n",
      u"2913");
  EXPECT_EQ(holders[0].get(HolderField::TransferShares), u"0000000001500");
  EXPECT_EQ(holders[0].get(HolderField::CollateralCount), u"07");
  EXPECT_EQ(holders[0].get(HolderField::CollateralShares), std::u16string(13, u' '));
  EXPECT_EQ(holders[0].get(HolderField::HolderNo), u"0105      ");  // a key, not a quantity
  EXPECT_EQ(holders[1].get(HolderField::TransferShares), u" 12 345      ");
  EXPECT_EQ(holders[1].get(HolderField::CollateralShares), u"abc          ");
}

TEST(HolderCsvTest, BadInputIsRefusedNamingLineAndColumn) {
  EXPECT_NE(errorOf("account_no,phone\n1,2\n").find("unknown column \"phone\""), std::string::npos);
  EXPECT_NE(errorOf("id_no,id_no\n1,2\n").find("appears twice"), std::string::npos);
  EXPECT_NE(errorOf("id_no,holder_no\nA1\n").find("line 2: 1 fields"), std::string::npos);
  EXPECT_NE(errorOf("id_no\nA1\nA1234567890\n").find("line 3, column id_no: 11 characters"),
            std::string::npos);
  EXPECT_NE(errorOf("holder_no\n戶號一\n").find("column holder_no"), std::string::npos);
  EXPECT_NE(errorOf("holder_name\n" + std::string(20, 'x') + "\n").find("at most 19"),
            std::string::npos);
  // U+00E9 (é) has no code page 950 form.
  EXPECT_NE(errorOf("holder_name\nJos\xC3\xA9\n").find("has no Big5 form"), std::string::npos);
  EXPECT_NE(errorOf("").find("header"), std::string::npos);
}

}  // namespace
}  // namespace kv884

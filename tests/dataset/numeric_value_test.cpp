#include "dataset/numeric_value.hpp"

#include <gtest/gtest.h>

#include <locale>

#include "dataset/record_number.hpp"

namespace kv884 {
namespace {

TEST(NumericValue, BlanksTabsAndLineFeedsAnywhereAreIgnored) {
  EXPECT_EQ(numericValue(u"  12 345 6"), 123456);
  EXPECT_EQ(numericValue(u"\t1\n2 "), 12);
  EXPECT_EQ(numericValue(u"- 1 234"), -1234);
}

TEST(NumericValue, NoDigitsIsZero) {
  EXPECT_EQ(numericValue(u""), 0);
  EXPECT_EQ(numericValue(u"             "), 0);
  EXPECT_EQ(numericValue(u"ABC"), 0);
  EXPECT_EQ(numericValue(u"-"), 0);
  EXPECT_EQ(numericValue(u"."), 0);
  EXPECT_EQ(numericValue(u"E5"), 0);
}

TEST(NumericValue, ReadsSignDecimalsAndExponent) {
  EXPECT_EQ(numericValue(u"07"), 7);
  EXPECT_EQ(numericValue(u"0000000012345"), 12345);
  EXPECT_EQ(numericValue(u"-42"), -42);
  EXPECT_EQ(numericValue(u"+42"), 42);
  EXPECT_DOUBLE_EQ(numericValue(u"1234.56"), 1234.56);
  EXPECT_DOUBLE_EQ(numericValue(u".5"), 0.5);
  EXPECT_DOUBLE_EQ(numericValue(u"-.25"), -0.25);
  EXPECT_EQ(numericValue(u"12E3"), 12000);
  EXPECT_DOUBLE_EQ(numericValue(u"5e-1"), 0.5);
  EXPECT_EQ(numericValue(u"1e+2"), 100);
}

TEST(NumericValue, FirstCharacterThatCannotContinueTheNumberEndsIt) {
  EXPECT_EQ(numericValue(u"12AB34"), 12);
  EXPECT_DOUBLE_EQ(numericValue(u"1.2.3"), 1.2);
  EXPECT_EQ(numericValue(u"1,234"), 1);
  EXPECT_EQ(numericValue(u"7E"), 7);
  EXPECT_EQ(numericValue(u"7E+"), 7);
  EXPECT_EQ(numericValue(u"3--"), 3);
  EXPECT_EQ(numericValue(u"１２"), 0);  // full-width digits are not digits
}

struct CommaDecimalPoint : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(NumericValue, DecimalPointIsAlwaysAFullStopWhateverTheLocale) {
  std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
  double point = numericValue(u"1234.5");
  double comma = numericValue(u"1234,5");
  std::locale::global(previous);
  EXPECT_DOUBLE_EQ(point, 1234.5);
  EXPECT_EQ(comma, 1234);
}

TEST(RecordNumber, SixDigitsWithLeadingZeros) {
  EXPECT_EQ(recordNumber(u"000000"), kEmptyEntry);
  EXPECT_EQ(recordNumber(u"000001"), 1);
  EXPECT_EQ(recordNumber(u"000123"), 123);
  EXPECT_EQ(recordNumber(u"999999"), kEndOfChain);
}

TEST(RecordNumber, DamagedFieldReadsAsZeroOrItsLeadingDigits) {
  EXPECT_EQ(recordNumber(u"      "), 0);
  EXPECT_EQ(recordNumber(u"ABCDEF"), 0);
  EXPECT_EQ(recordNumber(u"12AB34"), 12);
  EXPECT_EQ(recordNumber(u"00 012"), 12);
  EXPECT_EQ(recordNumber(u"-00005"), 0);
}

}  // namespace
}  // namespace kv884

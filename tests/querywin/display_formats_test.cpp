// Number formats of the record display: rounding halves away from zero on the decimal form,
// grouping by threes, the exact "Y" decimal flag, the ring position.

#include "querywin/display_formats.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

TEST(DisplayFormats, CountIsRoundedWithoutGrouping) {
  EXPECT_EQ(formatCount(7), u"7");
  EXPECT_EQ(formatCount(0), u"0");
  EXPECT_EQ(formatCount(2.5), u"3");
  EXPECT_EQ(formatCount(-2.5), u"-3");
  EXPECT_EQ(formatCount(1234567), u"1234567");
}

TEST(DisplayFormats, QuantitiesAreGroupedAndRoundedHalfAwayFromZero) {
  EXPECT_EQ(formatWholeQuantity(123456), u"123,456");
  EXPECT_EQ(formatWholeQuantity(-1234), u"-1,234");
  EXPECT_EQ(formatWholeQuantity(999.5), u"1,000");
  EXPECT_EQ(formatWholeQuantity(1234567890123), u"1,234,567,890,123");
  EXPECT_EQ(formatDecimalQuantity(1234.56), u"1,234.56");
  EXPECT_EQ(formatDecimalQuantity(0), u"0.00");
  EXPECT_EQ(formatDecimalQuantity(0.125), u"0.13");  // 0.125 is below the half in binary
  EXPECT_EQ(formatDecimalQuantity(1.005), u"1.01");
  EXPECT_EQ(formatDecimalQuantity(-0.001), u"0.00");
  EXPECT_EQ(formatDecimalQuantity(99999999999.995), u"100,000,000,000.00");
}

TEST(DisplayFormats, OnlyAnExactCapitalYDividesByAHundred) {
  EXPECT_EQ(formatQuantity(123456, u"Y"), u"1,234.56");
  for (const char16_t* flag : {u"N", u"", u"y", u" Y", u"Y "})
    EXPECT_EQ(formatQuantity(123456, flag), u"123,456");
}

TEST(DisplayFormats, RingPositionHasFourDigitsAndABlank) {
  EXPECT_EQ(formatRingPosition(3), u"0003 ");
  EXPECT_EQ(formatRingPosition(1000), u"1000 ");
  EXPECT_EQ(formatRingPosition(0), u"0000 ");
}

}  // namespace
}  // namespace kv884

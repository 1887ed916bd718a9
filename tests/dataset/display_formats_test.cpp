// Numeric fields and the number formats of the record display: blanks inside digits, the nearest
// double from sixteen digits on, rounding halves away from zero, grouping by threes, 15
// significant digits, the exact "Y" decimal flag, the ring position.

#include "dataset/display_formats.hpp"

#include <gtest/gtest.h>

#include "dataset/numeric_value.hpp"

namespace kv884 {
namespace {

TEST(DisplayFormats, NumericFieldsReadAsOneNumberAndTheNearestDouble) {
  const std::pair<std::u16string, double> kCases[] = {
      {u" 12 34 ", 1234.0},
      {u"0000000123456", 123456.0},
      {u"\t\n", 0.0},
      {u"999999999999999", 999999999999999.0},
      {u"9007199254740993", 9007199254740992.0},
      {u"12345678901234567890", 12345678901234567890.0},
  };
  for (const auto& [field, value] : kCases) EXPECT_EQ(numericValue(field), value);
}

TEST(DisplayFormats, EachFormatAtItsEdges) {
  const std::pair<std::u16string, std::u16string> kCases[] = {
      {formatCount(7), u"7"},
      {formatCount(0), u"0"},
      {formatCount(2.5), u"3"},
      {formatCount(-2.5), u"-3"},
      {formatCount(1234567), u"1234567"},
      {formatCount(-42.0), u"-42"},
      {formatCount(9999999999999999.0), u"10000000000000000"},
      {formatWholeQuantity(123456), u"123,456"},
      {formatWholeQuantity(-1234), u"-1,234"},
      {formatWholeQuantity(999.5), u"1,000"},
      {formatWholeQuantity(1234567890123), u"1,234,567,890,123"},
      {formatWholeQuantity(999999999999999.0), u"999,999,999,999,999"},
      {formatWholeQuantity(-0.0), u"0"},
      {formatWholeQuantity(1234567890123456.0), u"1,234,567,890,123,460"},
      {formatDecimalQuantity(1234.56), u"1,234.56"},
      {formatDecimalQuantity(0), u"0.00"},
      {formatDecimalQuantity(0.125), u"0.13"},  // 0.125 is below the half in binary
      {formatDecimalQuantity(1.005), u"1.01"},
      {formatDecimalQuantity(-0.001), u"0.00"},
      {formatDecimalQuantity(99999999999.995), u"100,000,000,000.00"},
      {formatQuantity(123456, u"Y"), u"1,234.56"},  // only an exact capital Y
      {formatQuantity(123456, u"N"), u"123,456"},
      {formatQuantity(123456, u""), u"123,456"},
      {formatQuantity(123456, u"y"), u"123,456"},
      {formatQuantity(123456, u" Y"), u"123,456"},
      {formatQuantity(123456, u"Y "), u"123,456"},
      {formatRingPosition(3), u"0003 "},
      {formatRingPosition(1000), u"1000 "},
      {formatRingPosition(0), u"0000 "},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(kCases[i].first, kCases[i].second);
  }
}

}  // namespace
}  // namespace kv884

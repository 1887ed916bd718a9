// Sound numeric fields (digits and blanks) are read and shown on a short road; these tests hold
// that road to the general rule at its edges, where a shortcut would round or overflow.

#include <gtest/gtest.h>

#include "dataset/numeric_value.hpp"
#include "querywin/display_formats.hpp"

namespace kv884 {
namespace {

TEST(PlainFieldForms, DigitsWithBlanksInsideReadAsOneNumber) {
  EXPECT_EQ(numericValue(u" 12 34 "), 1234.0);
  EXPECT_EQ(numericValue(u"0000000123456"), 123456.0);
  EXPECT_EQ(numericValue(u"\t\n"), 0.0);
}

TEST(PlainFieldForms, SixteenDigitsReadAsTheNearestDouble) {
  EXPECT_EQ(numericValue(u"999999999999999"), 999999999999999.0);
  EXPECT_EQ(numericValue(u"9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(numericValue(u"12345678901234567890"), 12345678901234567890.0);
}

TEST(PlainFieldForms, WholeNumbersUpTo15DigitsShowEveryDigit) {
  EXPECT_EQ(formatWholeQuantity(999999999999999.0), u"999,999,999,999,999");
  EXPECT_EQ(formatCount(-42.0), u"-42");
  EXPECT_EQ(formatWholeQuantity(-0.0), u"0");
}

TEST(PlainFieldForms, WholeNumbersFrom16DigitsOnRoundTo15SignificantDigits) {
  EXPECT_EQ(formatWholeQuantity(1234567890123456.0), u"1,234,567,890,123,460");
  EXPECT_EQ(formatCount(9999999999999999.0), u"10000000000000000");
}

}  // namespace
}  // namespace kv884

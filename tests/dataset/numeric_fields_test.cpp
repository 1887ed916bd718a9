// Numeric fields as the record display reads and shows them: blanks inside digits ignored, the
// number read up to the first character that cannot continue it, the nearest double from
// sixteen digits on, 15 significant digits, halves rounded away from zero, grouping by threes.

#include <gtest/gtest.h>

#include "dataset/display_formats.hpp"
#include "dataset/numeric_value.hpp"
#include "dataset/record_number.hpp"

namespace kv884 {
namespace {

struct Row {
  std::u16string field;
  double value;
  std::u16string count;     // "#0"
  std::u16string whole;     // "#,##0", a quantity without the decimal flag
  std::u16string decimals;  // "#,##0.00", a quantity with the flag "Y": hundredths
};

TEST(NumericFields, ReadAsOneNumberAndShownInEachFormatRoundedHalfAwayFromZero) {
  for (const std::u16string_view field : {u"", u"-", u".", u"E5", u"INF", u"１２"})
    EXPECT_EQ(numericValue(field), 0) << field.size();  // no digits, full-width ones neither
  for (const Row& r : std::vector<Row>{
           {u" 1\t2 3\n4 5", 12345, u"12345", u"12,345", u"123.45"},
           {u"- 1 234", -1234, u"-1234", u"-1,234", u"-12.34"},
           {u"+42", 42, u"42", u"42", u"0.42"},
           {u"-.25", -0.25, u"0", u"0", u"0.00"},  // never "-0"
           {u"2.5", 2.5, u"3", u"3", u"0.03"},
           {u"-2.5", -2.5, u"-3", u"-3", u"-0.03"},
           {u"100.5", 100.5, u"101", u"101", u"1.01"},  // 1.005 is below the half in binary
           {u"999.5", 999.5, u"1000", u"1,000", u"10.00"},
           {u"12E3", 12000, u"12000", u"12,000", u"120.00"},
           {u"1D2", 100, u"100", u"100", u"1.00"},
           {u"5e-1", 0.5, u"1", u"1", u"0.01"},
           {u"7E+", 7, u"7", u"7", u"0.07"},
           {u"1.2.3", 1.2, u"1", u"1", u"0.01"},
           {u"1,234", 1, u"1", u"1", u"0.01"},
           {u"999999999999999", 999999999999999, u"999999999999999", u"999,999,999,999,999",
            u"9,999,999,999,999.99"},
           {u"9999999999999.5", 9999999999999.5, u"10000000000000", u"10,000,000,000,000",
            u"100,000,000,000.00"},
           {u"9007199254740993", 9007199254740992.0, u"9007199254740990", u"9,007,199,254,740,990",
            u"90,071,992,547,409.90"},
           {u"12345678901234567890", 12345678901234567890.0, u"12345678901234600000",
            u"12,345,678,901,234,600,000", u"123,456,789,012,346,000.00"}}) {
    SCOPED_TRACE(std::string(r.field.begin(), r.field.end()));
    EXPECT_EQ(numericValue(r.field), r.value);
    EXPECT_EQ(formatCount(r.value), r.count);
    EXPECT_EQ(formatQuantity(r.value, u"N"), r.whole);
    EXPECT_EQ(formatQuantity(r.value, u"Y"), r.decimals);
  }
  for (const std::u16string flag : {u"", u"y", u" Y", u"Y "})  // only an exact capital Y
    EXPECT_EQ(formatQuantity(123456, flag), u"123,456");
  EXPECT_EQ(formatRingPosition(3) + formatRingPosition(1000), u"0003 1000 ");
}

TEST(RecordNumbers, SixDigitsOrADamagedFieldReadAsAWholeNumberOfAtLeastOne) {
  for (auto [field, number] : std::vector<std::pair<std::u16string, int64_t>>{
           {u"000000", 0},
           {u"000123", 123},
           {u"999999", 999999},
           {u"      ", 0},
           {u"12AB34", 12},
           {u"00 012", 12},
           {u"0012.7", 12},
           {u"0000.5", 0},
           {u"-00005", 0},
           {u"9D9", 2147483647},           // an exponent
           {u"99999999999", 2147483647}})  // beyond every file, never wrapped to a small one
    EXPECT_EQ(recordNumber(field), number) << std::string(field.begin(), field.end());
}

}  // namespace
}  // namespace kv884

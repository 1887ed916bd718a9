#pragma once
// The number formats of the record display, which the builder's count report shares, with ","
// for grouping and "." for the decimal point whatever the user's locale. Rounding takes halves
// away from zero, on the value's 15-digit decimal form, so 0.125 rounds to 0.13 as a clerk
// expects.

#include <string>
#include <string_view>

namespace kv884 {

std::u16string formatCount(double value);            // "#0"
std::u16string formatWholeQuantity(double value);    // "#,##0"
std::u16string formatDecimalQuantity(double value);  // "#,##0.00"
std::u16string formatQuantity(double value, const std::u16string& decimalFlag);
std::u16string formatRingPosition(int slot);  // "0000 "

// The format strings themselves, for a spreadsheet cell that is to show a value as its box does:
// the count's, and the one formatQuantity follows under this decimal flag.
inline constexpr std::string_view kCountFormat = "#0";
std::string_view quantityFormat(const std::u16string& decimalFlag);

}  // namespace kv884

#pragma once
// The value of a numeric field: blanks, tabs and line feeds anywhere are ignored; the rest is read
// from its start as a decimal number (sign, digits, "." and digits, exponent) up to the first
// character that cannot continue it; no digits read as 0. The point is always ".".

#include <string_view>

namespace kv884 {

double numericValue(std::u16string_view field);

}  // namespace kv884

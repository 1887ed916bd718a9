#pragma once
// ASCII text, numbers mostly, widened to UTF-16: a plain character is the same code unit in both.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace kv884 {

inline std::u16string widened(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

// n in decimal digits, with leading zeros up to minDigits (at most 20) digits.
inline std::u16string decimalText(int64_t n, size_t minDigits = 1) {
  uint64_t rest = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  char16_t text[21];
  char16_t* first = std::end(text);
  do {
    *--first = static_cast<char16_t>(u'0' + rest % 10);
  } while ((rest /= 10) > 0);
  while (first > std::end(text) - std::min<ptrdiff_t>(minDigits, 20)) *--first = u'0';
  if (n < 0) *--first = u'-';
  return std::u16string(first, std::end(text));
}

}  // namespace kv884

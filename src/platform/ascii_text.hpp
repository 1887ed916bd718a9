#pragma once
// ASCII text, numbers mostly, widened to UTF-16: a plain character is the same code unit in both.

#include <cstdint>
#include <string>
#include <string_view>

namespace kv884 {

inline std::u16string widened(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

// n in decimal digits, with leading zeros up to minDigits digits.
inline std::u16string decimalText(int64_t n, size_t minDigits = 1) {
  std::string text = std::to_string(n);
  const size_t sign = n < 0 ? 1 : 0;
  if (text.size() - sign < minDigits) text.insert(sign, minDigits - (text.size() - sign), '0');
  return widened(text);
}

}  // namespace kv884

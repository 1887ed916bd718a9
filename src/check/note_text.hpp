#pragma once
// Small pieces of the problem notes: a key in corner brackets, a number in decimal.

#include <cstdint>
#include <string>
#include <string_view>

namespace kv884 {

inline std::u16string quoted(std::u16string_view text) {
  return u"「" + std::u16string(text) + u"」";
}

inline std::u16string decimal(int64_t n) {
  std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace kv884

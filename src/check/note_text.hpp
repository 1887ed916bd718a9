#pragma once
// Small pieces of the problem notes: a key in corner brackets, a number in decimal.

#include <string>
#include <string_view>

#include "platform/ascii_text.hpp"

namespace kv884 {

inline std::u16string quoted(std::u16string_view text) {
  return u"「" + std::u16string(text) + u"」";
}

}  // namespace kv884

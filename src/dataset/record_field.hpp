#pragma once
// Characters of a record text by 1-based position and length, taken unchanged; a field that runs
// past the end of the text is cut there.

#include <string>
#include <string_view>

namespace kv884 {

inline std::u16string_view field(std::u16string_view record, int position, int length) {
  size_t start = static_cast<size_t>(position - 1);
  if (start >= record.size()) return {};
  return record.substr(start, static_cast<size_t>(length));
}

}  // namespace kv884

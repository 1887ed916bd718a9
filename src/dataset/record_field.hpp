#pragma once
// Fields of a record text, addressed by 1-based character position and length: read as they
// stand, and written in place by the builder and by the tests that damage a data set.

#include <algorithm>
#include <string>
#include <string_view>

namespace kv884 {

struct RecordField {
  int position;  // 1-based
  int length;
};

// The characters taken unchanged; a field that runs past the end of the text is cut there.
inline std::u16string_view field(std::u16string_view record, int position, int length) {
  size_t start = static_cast<size_t>(position - 1);
  if (start >= record.size()) return {};
  return record.substr(start, static_cast<size_t>(length));
}
inline std::u16string_view field(std::u16string_view record, RecordField f) {
  return field(record, f.position, f.length);
}

// A field's text without the padding that fills it to its width: trailing blanks, and the
// ideographic spaces that fill a name.
inline std::u16string_view withoutPadding(std::u16string_view text) {
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\u3000')) text.remove_suffix(1);
  return text;
}

// Writes value over the field's first characters (at most its length); the rest of the record
// text stays as it was.
inline void putField(std::u16string& record, RecordField f, std::u16string_view value) {
  value = value.substr(0, static_cast<size_t>(f.length));
  const auto start = static_cast<size_t>(f.position - 1);
  if (record.size() < start + value.size()) record.resize(start + value.size(), u' ');
  std::copy(value.begin(), value.end(), record.begin() + static_cast<std::ptrdiff_t>(start));
}

}  // namespace kv884

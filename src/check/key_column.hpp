#pragma once
// One key field of every detail record, kept in record order at its fixed width. Keys of kinds 1
// to 3 are digits, capitals and blanks: they are kept one byte a character, and the rare key
// with a character beyond U+00FF is kept aside whole. Name keys are kept as they are, six UTF-16
// code units each (a decoded Big5 character is always one unit).

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kv884 {

inline constexpr size_t kMaxKeyWidth = 12;
using KeyBuffer = std::array<char16_t, kMaxKeyWidth>;

class KeyColumn {
 public:
  KeyColumn(size_t count, size_t width, bool wideUnits);

  void set(size_t index, std::u16string_view key);  // key of exactly width() characters
  // The key of record index, built in buffer when it is kept one byte a character.
  std::u16string_view get(size_t index, KeyBuffer& buffer) const;
  size_t width() const { return width_; }

 private:
  size_t width_;
  bool wideUnits_;
  std::vector<unsigned char> narrow_;
  std::vector<char16_t> wide_;
  std::unordered_map<size_t, std::u16string> aside_;
};

}  // namespace kv884

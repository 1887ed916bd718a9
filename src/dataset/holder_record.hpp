#pragma once
// A holder data record: 122 bytes in the file, its first 122 decoded characters as text.

#include <string>
#include <string_view>

#include "dataset/record_field.hpp"

namespace kv884 {

inline constexpr int kHolderRecordChars = 122;

struct HolderRecord {
  std::u16string_view text;

  std::u16string_view accountNo() const { return field(text, 1, 11); }
  std::u16string_view idNo() const { return field(text, 12, 10); }
  std::u16string_view transferShares() const { return field(text, 22, 13); }
  std::u16string_view forcedPostingFlag() const { return field(text, 44, 1); }
  std::u16string_view dataCategory() const { return field(text, 56, 1); }
  std::u16string_view securityCode() const { return field(text, 57, 6); }
  std::u16string_view allotmentType() const { return field(text, 63, 1); }
  std::u16string_view holderNo() const { return field(text, 81, 10); }
  std::u16string_view perHolderFlag() const { return field(text, 91, 1); }
};

}  // namespace kv884

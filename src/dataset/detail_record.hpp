#pragma once
// A detail index record: 153 bytes in the file, its first 120 decoded characters as text. It names
// one holder data record, holds the four keys and the four successor numbers that chain all
// detail records in each key order, and three fields that the record display shows.

#include <cstdint>
#include <string>
#include <string_view>

#include "dataset/record_field.hpp"
#include "dataset/record_number.hpp"

namespace kv884 {

inline constexpr int kDetailRecordChars = 120;

struct DetailRecord {
  std::u16string_view text;

  std::u16string_view idKey() const { return field(text, 1, 10); }
  std::u16string_view accountKey() const { return field(text, 11, 11); }
  std::u16string_view nameKey() const { return field(text, 22, 6); }
  std::u16string_view holderNoKey() const { return field(text, 28, 10); }
  int64_t dataRecNo() const { return recordNumber(field(text, 38, 6)); }
  int64_t nextById() const { return recordNumber(field(text, 44, 6)); }
  int64_t nextByAccount() const { return recordNumber(field(text, 50, 6)); }
  int64_t nextByName() const { return recordNumber(field(text, 56, 6)); }
  int64_t nextByHolderNo() const { return recordNumber(field(text, 62, 6)); }
  std::u16string_view collateralShares() const { return field(text, 72, 13); }
  std::u16string_view collateralCount() const { return field(text, 85, 2); }
  std::u16string_view holderName() const { return field(text, 94, 19); }
};

}  // namespace kv884

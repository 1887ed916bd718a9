#pragma once
// A detail index record: 153 bytes in the file, its first 120 decoded characters as text. It names
// one holder data record, holds the four keys and the four successor numbers that chain all
// detail records in each key order (the key kinds say which is whose), and three fields that the
// record display shows.

#include <cstdint>
#include <string>
#include <string_view>

#include "dataset/record_field.hpp"
#include "dataset/record_number.hpp"

namespace kv884 {

inline constexpr int kDetailRecordChars = 120;

struct DetailRecord {
  static constexpr RecordField kIdKey{1, 10};
  static constexpr RecordField kAccountKey{11, 11};
  static constexpr RecordField kNameKey{22, 6};
  static constexpr RecordField kHolderNoKey{28, 10};
  static constexpr RecordField kDataRecNo{38, kRecordNumberWidth};
  static constexpr RecordField kNextById{44, kRecordNumberWidth};
  static constexpr RecordField kNextByAccount{50, kRecordNumberWidth};
  static constexpr RecordField kNextByName{56, kRecordNumberWidth};
  static constexpr RecordField kNextByHolderNo{62, kRecordNumberWidth};
  static constexpr RecordField kCollateralShares{72, 13};
  static constexpr RecordField kCollateralCount{85, 2};
  static constexpr RecordField kHolderName{94, 19};

  std::u16string_view text;

  std::u16string_view idKey() const { return field(text, kIdKey); }
  std::u16string_view accountKey() const { return field(text, kAccountKey); }
  std::u16string_view nameKey() const { return field(text, kNameKey); }
  std::u16string_view holderNoKey() const { return field(text, kHolderNoKey); }
  int64_t dataRecNo() const { return recordNumber(field(text, kDataRecNo)); }
  std::u16string_view collateralShares() const { return field(text, kCollateralShares); }
  std::u16string_view collateralCount() const { return field(text, kCollateralCount); }
  std::u16string_view holderName() const { return field(text, kHolderName); }
};

}  // namespace kv884

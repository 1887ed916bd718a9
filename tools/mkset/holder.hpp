#pragma once
// One holder of the register as the builder keeps it: every field already in its stored width,
// so a million holders take one flat block of memory; and the keys and records it is written as.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "dataset/detail_record.hpp"
#include "dataset/record_field.hpp"

namespace kv884::mkset {

enum class HolderField {
  AccountNo,
  IdNo,
  TransferShares,
  ForcedPostingFlag,
  DataCategory,
  SecurityCode,
  AllotmentType,
  HolderNo,
  PerHolderFlag,
  HolderName,
  CollateralShares,
  CollateralCount,
};

inline constexpr size_t kHolderFieldCount = 12;

struct HolderFieldLayout {
  HolderField field;
  std::string_view column;  // the CSV header name
  RecordField at;           // in the holder data record, or in the detail record
  bool quantity;            // digits only are right-aligned with leading zeros
  std::string_view help;

  constexpr size_t width() const { return static_cast<size_t>(at.length); }
  constexpr bool asciiOnly() const { return field != HolderField::HolderName; }
};

// All fields, in the order the help text lists them.
const std::array<HolderFieldLayout, kHolderFieldCount>& holderFieldLayouts();
const HolderFieldLayout& holderFieldLayout(HolderField field);

class Holder {
 public:
  Holder();

  // The field's stored characters, always exactly its width.
  std::u16string_view get(HolderField field) const;

  // Stores value in the field's width: a quantity of digits only is zero-filled on the left,
  // anything else is kept as written and padded with blanks. The caller has checked the width.
  void set(HolderField field, std::u16string_view value);

  static constexpr size_t kChars = 88;  // the fields' widths together

 private:
  std::array<char16_t, kChars> chars_;
};

// The key of a kind (1 統一編號 in capitals, 2 帳號, 3 戶號, 4 中文戶名) in its detail-field width.
std::u16string keyOf(const Holder& holder, int kind);

std::u16string holderRecordOf(const Holder& holder);
std::u16string detailRecordOf(const Holder& holder, const DetailLinks& links);

}  // namespace kv884::mkset

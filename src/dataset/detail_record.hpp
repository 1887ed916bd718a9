#pragma once
// A detail index record: 153 bytes in the file, its first 120 decoded characters as text. It names
// one holder data record, holds the four keys and the four successor numbers that chain all
// detail records in each key order (the key kinds say which is whose), and three fields that the
// record display shows. Read as a view on the decoded text, written as that text from its values.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "dataset/record_field.hpp"
#include "dataset/record_number.hpp"

namespace kv884 {

inline constexpr int kDetailRecordLength = 153;  // bytes; only the first 120 characters are read
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

// The holder data record number that the bytes of a detail record name, decoding only the
// characters up to that field: for passes over many records that need no other field.
int64_t dataRecNoOf(std::string_view bytes, std::u16string& buffer);

// The name key of a holder's name: its first six characters, ASCII ones in their double-byte
// forms (full-width, U+3000 for a blank), so that a name page keeps its 1800 bytes.
std::u16string nameKeyOf(std::u16string_view holderName);

// Where a detail record points: the holder data record and the next record of each kind's order
// (indexed by kind - 1; 999999 at the end of an order).
struct DetailLinks {
  int64_t dataRecNo;
  std::array<int64_t, 4> next;
};

struct DetailValues {
  std::array<std::u16string, 4> keys;  // indexed by kind - 1
  DetailLinks links;
  std::u16string_view collateralShares, collateralCount, holderName;
};

// The record text: each value in its field, blanks at the positions that are not read.
std::u16string detailRecordText(const DetailValues& values);

}  // namespace kv884

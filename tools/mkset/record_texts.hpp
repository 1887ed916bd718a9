#pragma once
// The decoded texts of the records the builder writes: a holder data record (122 characters) and
// a detail index record (120 characters), plus the keys the index orders by. Positions the viewer
// does not read hold blanks.

#include <array>
#include <cstdint>
#include <string>

#include "mkset/holder.hpp"

namespace kv884::mkset {

// The six-character name key: the name's first six characters with half-width letters, digits
// and signs turned into their full-width forms (the nearest double-byte sign where Big5 has no
// full-width form) and blanks into U+3000, so every key character of a name the CSV reader
// accepted is double-byte and a name page keeps its 1800 bytes.
std::u16string nameKey(std::u16string_view holderName);

// The key of a kind (1 統一編號 in capitals, 2 帳號, 3 戶號, 4 中文戶名) in its detail-field width.
std::u16string keyOf(const Holder& holder, int kind);

std::u16string holderRecordText(const Holder& holder);

// Where a detail record points: the holder data record and the next record of each kind's order
// (indexed by kind - 1; 999999 at the end of an order).
struct DetailLinks {
  int64_t dataRecNo;
  std::array<int64_t, 4> next;
};

std::u16string detailRecordText(const Holder& holder, const DetailLinks& links);

}  // namespace kv884::mkset

#pragma once
// A key page of the holder-key index file: 100 entries side by side, each a key followed by a
// six-digit record number ("000000" for an unused entry).

#include <cstdint>
#include <string_view>

#include "dataset/key_kind.hpp"
#include "dataset/record_field.hpp"
#include "dataset/record_number.hpp"

namespace kv884 {

struct KeyPage {
  const KeyKind& kind;
  std::u16string_view text;  // kind.pageChars decoded characters

  int entryStart(int entry) const { return 1 + (entry - 1) * kind.entryWidth; }  // entry 1..100
  std::u16string_view key(int entry) const { return field(text, entryStart(entry), kind.keyWidth); }
  std::u16string_view numberField(int entry) const {
    return field(text, entryStart(entry) + kind.keyWidth, kRecordNumberWidth);
  }
  int64_t number(int entry) const { return recordNumber(numberField(entry)); }
  bool isEmptyEntry(int entry) const { return numberField(entry) == u"000000"; }
};

}  // namespace kv884

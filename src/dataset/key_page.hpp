#pragma once
// A key page of the holder-key index file: 100 entries side by side, each a key followed by a
// six-digit record number ("000000" for an unused entry).

#include <cstdint>
#include <string>
#include <string_view>

#include "dataset/key_kind.hpp"
#include "dataset/record_field.hpp"
#include "dataset/record_number.hpp"

namespace kv884 {

// Where entry (1 to 100) of a page of kind holds its key and its record number.
inline RecordField entryKeyField(const KeyKind& kind, int entry) {
  return {1 + (entry - 1) * kind.entryWidth, kind.keyWidth};
}
inline RecordField entryNumberField(const KeyKind& kind, int entry) {
  return {1 + (entry - 1) * kind.entryWidth + kind.keyWidth, kRecordNumberWidth};
}

struct KeyPage {
  const KeyKind& kind;
  std::u16string_view text;  // kind.pageChars decoded characters

  std::u16string_view key(int entry) const { return field(text, entryKeyField(kind, entry)); }
  std::u16string_view numberField(int entry) const {
    return field(text, entryNumberField(kind, entry));
  }
  int64_t number(int entry) const { return recordNumber(numberField(entry)); }
  bool isEmptyEntry(int entry) const { return numberField(entry) == kEmptyEntryNumber; }
};

// The key as a page entry holds it: cut or filled to the kind's key width.
inline std::u16string pageKey(const KeyKind& kind, std::u16string_view key) {
  std::u16string padded(key.substr(0, static_cast<size_t>(kind.keyWidth)));
  padded.resize(static_cast<size_t>(kind.keyWidth), kind.keyFiller);
  return padded;
}

// The text of a page of kind whose entries are all unused.
inline std::u16string emptyKeyPage(const KeyKind& kind) {
  std::u16string text(static_cast<size_t>(kind.pageChars), kind.keyFiller);
  for (int entry = 1; entry <= kEntriesPerPage; ++entry)
    putField(text, entryNumberField(kind, entry), kEmptyEntryNumber);
  return text;
}

}  // namespace kv884

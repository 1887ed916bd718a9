#pragma once
// A key page of the holder-key index file: 1800 bytes in the file, 100 entries side by side, each
// a key followed by a six-digit record number ("000000" for an unused entry). Read as a view on
// the page's decoded text, written as that text from the used entries.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/key_kind.hpp"
#include "dataset/record_field.hpp"
#include "dataset/record_number.hpp"

namespace kv884 {

inline constexpr int kKeyPageLength = 1800;  // bytes; a name page decodes to fewer characters

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

// The decoded text of a page of kind from its bytes.
std::u16string decodeKeyPage(const KeyKind& kind, std::string_view bytes);

// The key as a page entry holds it: cut or filled to the kind's key width.
std::u16string pageKey(const KeyKind& kind, std::u16string_view key);

struct PageEntry {
  std::u16string key;  // in the page's key width
  int64_t number;
};

using PageEntries = std::vector<PageEntry>;

// The text of a page of kind holding entries (at most 100) in their order; the unused entries
// after them hold a blank key (U+3000 on name pages) and the number 000000.
std::u16string keyPageText(const KeyKind& kind, const PageEntries& entries);

}  // namespace kv884

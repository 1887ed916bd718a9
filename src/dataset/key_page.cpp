#include "dataset/key_page.hpp"

#include "platform/big5.hpp"

namespace kv884 {

std::u16string decodeKeyPage(const KeyKind& kind, std::string_view bytes) {
  return decodeRecord(bytes, static_cast<size_t>(kind.pageChars));
}

std::u16string pageKey(const KeyKind& kind, std::u16string_view key) {
  std::u16string padded(key.substr(0, static_cast<size_t>(kind.keyWidth)));
  padded.resize(static_cast<size_t>(kind.keyWidth), kind.keyFiller);
  return padded;
}

std::u16string keyPageText(const KeyKind& kind, const PageEntries& entries) {
  std::u16string text(static_cast<size_t>(kind.pageChars), kind.keyFiller);
  for (int entry = 1; entry <= kEntriesPerPage; ++entry)
    putField(text, entryNumberField(kind, entry), kEmptyEntryNumber);
  for (int entry = 1; const PageEntry& e : entries) {
    putField(text, entryKeyField(kind, entry), e.key);
    putField(text, entryNumberField(kind, entry++), recordNumberText(e.number));
  }
  return text;
}

}  // namespace kv884

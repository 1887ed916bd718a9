#include "mkset/index_pages.hpp"

#include <algorithm>

#include "dataset/key_page.hpp"

namespace kv884::mkset {

namespace {

int64_t ceilDiv(int64_t a, int64_t b) {
  return (a + b - 1) / b;
}

}  // namespace

int64_t leafPagesNeeded(int64_t count, int64_t runLength, int runsPerPage) {
  return ceilDiv(ceilDiv(count, runLength), runsPerPage);
}

std::optional<int64_t> smallestRunLength(int64_t count, int runsPerPage) {
  if (runsPerPage < 1 || runsPerPage > kEntriesPerPage) return std::nullopt;
  return std::max<int64_t>(1, ceilDiv(count, int64_t{kMaxLeafPages} * runsPerPage));
}

std::u16string pageText(const KeyKind& kind, const PageEntries& entries) {
  std::u16string text = emptyKeyPage(kind);
  for (size_t i = 0; i < entries.size(); ++i) {
    int entry = static_cast<int>(i) + 1;
    putField(text, entryKeyField(kind, entry), entries[i].key);
    putField(text, entryNumberField(kind, entry), recordNumberText(entries[i].number));
  }
  return text;
}

}  // namespace kv884::mkset

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

std::vector<PageEntries> leafPages(const KeyKind& kind,
                                   const std::vector<std::u16string>& chainKeys,
                                   const std::vector<int64_t>& chainRecords, int64_t runLength,
                                   int runsPerPage) {
  std::vector<PageEntries> pages;
  auto count = static_cast<int64_t>(chainKeys.size());
  for (int64_t first = 0; first < count; first += runLength) {
    if (pages.empty() || static_cast<int>(pages.back().size()) == runsPerPage) pages.emplace_back();
    int64_t last = std::min(first + runLength, count) - 1;
    pages.back().push_back({pageKey(kind, chainKeys[static_cast<size_t>(last)]),
                            chainRecords[static_cast<size_t>(first)]});
  }
  return pages;
}

PageEntries rootPage(const std::vector<PageEntries>& leaves,
                     const std::vector<int64_t>& leafRecords) {
  PageEntries root;
  for (size_t i = 0; i < leaves.size(); ++i) root.push_back({leaves[i].back().key, leafRecords[i]});
  return root;
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

#include "mkset/index_pages.hpp"

#include <algorithm>

#include "mkset/record_texts.hpp"

namespace kv884::mkset {

namespace {

int64_t ceilDiv(int64_t a, int64_t b) {
  return (a + b - 1) / b;
}

char16_t blankOf(const KeyKind& kind) {
  return kind.byNameCollation ? u'\u3000' : u' ';
}

}  // namespace

int64_t leafPagesNeeded(int64_t count, int64_t runLength, int runsPerPage) {
  return ceilDiv(ceilDiv(count, runLength), runsPerPage);
}

std::optional<int64_t> smallestRunLength(int64_t count, int runsPerPage) {
  if (runsPerPage < 1 || runsPerPage > kEntriesPerPage) return std::nullopt;
  return std::max<int64_t>(1, ceilDiv(count, int64_t{kMaxLeafPages} * runsPerPage));
}

std::u16string pageKey(const KeyKind& kind, std::u16string_view key) {
  std::u16string padded(key.substr(0, static_cast<size_t>(kind.keyWidth)));
  padded.resize(static_cast<size_t>(kind.keyWidth), blankOf(kind));
  return padded;
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
  std::u16string text;
  text.reserve(static_cast<size_t>(kind.pageChars));
  for (int i = 0; i < kEntriesPerPage; ++i) {
    if (i < static_cast<int>(entries.size())) {
      text += entries[static_cast<size_t>(i)].key;
      text += recordNumberText(entries[static_cast<size_t>(i)].number);
    } else {
      text.append(static_cast<size_t>(kind.keyWidth), blankOf(kind));
      text += u"000000";
    }
  }
  return text;
}

}  // namespace kv884::mkset

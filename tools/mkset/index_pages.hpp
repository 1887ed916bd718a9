#pragma once
// The key pages of the holder-key index file. A kind's chain is cut into runs of runLength
// records; a leaf page names up to runsPerPage runs by their first detail record and their last
// key; the kind's root page names its leaf pages by their last key.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dataset/key_kind.hpp"

namespace kv884::mkset {

inline constexpr int kMaxLeafPages = kEntriesPerPage;  // those a root page can name

struct PageEntry {
  std::u16string key;  // in the page's key width
  int64_t number;
};

using PageEntries = std::vector<PageEntry>;

// The number of leaf pages a kind needs for count records.
int64_t leafPagesNeeded(int64_t count, int64_t runLength, int runsPerPage);

// The smallest run length whose leaf pages fit under one root page, or nothing when
// runsPerPage is outside 1 to 100.
std::optional<int64_t> smallestRunLength(int64_t count, int runsPerPage);

// The page's decoded text: 100 entries, unused ones with a blank key (U+3000 in name pages) and
// the number 000000.
std::u16string pageText(const KeyKind& kind, const PageEntries& entries);

}  // namespace kv884::mkset

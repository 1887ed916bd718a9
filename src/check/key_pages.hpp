#pragma once
// The holder-key index file as the checks see it: read once from start to end, keeping the four
// root pages and the leaf pages they name (at most 400); and, per key kind, the pages decoded,
// checked and flattened into the list of leaf entries in the order the search meets them.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "check/problem_list.hpp"
#include "dataset/block_reader.hpp"

namespace kv884 {

struct KeyPages {
  RecordFileSize size;
  std::map<int64_t, std::string> pages;  // record number -> the page's bytes
};

KeyPages readKeyPages(FileTable& files);

struct LeafEntry {
  int64_t page;
  int entry;           // 1 to 100
  std::u16string key;  // as stored: 12 characters, or 6 for names
  int64_t record;      // the detail record it names
};

struct KindPages {
  int rootUsedEntries{0};
  std::vector<int64_t> leafPages;  // in the root page's order
  std::vector<LeafEntry> entries;  // every used leaf entry, root order then leaf order
  bool sound{true};                // no problem found in the pages of this kind
};

// Checks the root page of kind and the leaf pages it names; detailCount bounds the record numbers.
KindPages checkKindPages(int kind, const KeyPages& pages, int64_t detailCount,
                         ProblemList& problems);

}  // namespace kv884

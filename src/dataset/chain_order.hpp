#pragma once
// One key order of the detail index file, learned in a single pass over the file in large blocks
// instead of one read per record: the successors of the kind are kept (four bytes a record) and
// the chain followed in memory from its first record. The order ends as 次筆 would end it: at
// 999999, at a successor that names no record of the file, or, in a cycle, once it holds as many
// records as the file.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_table.hpp"

namespace kv884 {

struct KeyKind;

struct ChainOrder {
  enum class End {
    Complete,  // 999999 after every record of the file
    Short,     // 999999 with records of the file left unreached
    Broken,    // a successor that names no record of the file
    Cycle,     // a successor that was walked already
  };
  std::vector<uint32_t> records;  // detail record numbers, first to last, each once
  End end{End::Complete};
  int64_t successor{0};          // Broken, Cycle: the successor of the last record
  std::u16string successorText;  // Broken: its field as it stands, which may be no number
};

// The order of kind from detail record first on (a record of the detail index file, fileNo).
// Throws FileError when the file cannot be read.
ChainOrder learnChainOrder(FileTable& files, int fileNo, const KeyKind& kind, int64_t first);

}  // namespace kv884

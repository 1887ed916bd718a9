#pragma once
// Whether a batch goes on searching record by record or reads its records ahead along the key
// order, chosen by what the medium under the set costs, as the batch's first searches and one
// block read found it. Searching costs each key about what the first keys cost; reading ahead
// costs one pass over the files for the order and about one pass over both files a stretch of the
// order (a stretch's records lie all over the files), each pass its block reads and the work of
// putting what they read in place. From the page cache the searches win at any batch up to
// 100,000 keys; from a share or a disc the passes win from a few thousand or a few dozen keys on
// (docs/performance.md).

#include <cstddef>
#include <cstdint>

namespace kv884 {

struct MediumCosts {
  double secondsPerKey{0};    // a search of the batch, record by record
  double secondsPerBlock{0};  // one read of a block of the detail index file
  int64_t blockBytes{0};      // that read's length
  int64_t setBytes{0};        // the holder data and detail index files together
  int64_t holders{0};         // records of the detail index file
};

bool readsAhead(const MediumCosts& costs, size_t keysLeft, size_t stretchHolders);

}  // namespace kv884

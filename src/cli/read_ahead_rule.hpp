#pragma once
// Whether a batch goes on searching record by record or reads its records ahead along the key
// order, chosen by what the medium under the set costs, as the batch's first searches and one
// block read found it. Searching costs each key about what the first keys cost; reading ahead
// costs one pass over the files for the order and about one pass over both files a stretch of the
// order (a stretch's records lie all over the files), each pass its block reads and the work of
// putting what they read in place. From the page cache the searches win at any batch up to
// 100,000 keys; from a share or a disc the passes win from a few thousand or a few dozen keys on
// (docs/performance.md).
//
// Before either, the set may be copied once to the local disc (SetCopy), and everything read
// from the copy after that. The copy pays where a block read from the medium takes longer than
// writing the block to the copy and reading it back: every pass after the copy then saves what
// the medium costs beyond the local disc, and the export and a large batch make more than one.
// From the page cache a read costs about what the copy's read costs, so nothing is copied. A
// batch copies only where the copy's one pass also costs less than searching its keys left on the
// medium (before any search where a request a key already costs more), and then decides again by
// the copy's costs (from a local disc, searching wins).

#include <cstddef>
#include <cstdint>
#include <limits>

#include "dataset/set_copy.hpp"

namespace kv884 {

struct MediumCosts {
  double secondsPerKey{0};    // a search of the batch, record by record
  double secondsPerBlock{0};  // one read of a block of the detail index file
  int64_t blockBytes{0};      // that read's length
  int64_t setBytes{0};        // the holder data and detail index files together
  int64_t holders{0};         // records of the detail index file
};

bool readsAhead(const MediumCosts& costs, size_t keysLeft, size_t stretchHolders);

// secondsLeft: what the work left would cost on the medium.
bool copiesSet(const CopyCosts& costs, double secondsLeft = std::numeric_limits<double>::max());
// copiesSet, unless the environment variable KV884_COPY_SET says "always" or "never": for a
// medium the timing misjudges, and for the tests, which copy the sets they read from a local disc.
bool shouldCopySet(const CopyCosts& costs, double secondsLeft = std::numeric_limits<double>::max());

}  // namespace kv884

#pragma once
// Search keys for the benchmarks, taken from a data set before any timing starts: keys spread
// evenly over each key order (hits), keys that fall between two neighbouring keys (misses),
// keys above every key, and the last keys of runs (the longest chain walks).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_table.hpp"

namespace kv884::bench {

struct KindKeys {
  std::vector<std::u16string> hits;     // whole key fields, evenly spread over the key order
  std::vector<std::u16string> between;  // each sorts after one key and before the next
  std::vector<std::u16string> worst;    // keys of leaf entries: the walk covers the whole run
  std::vector<std::u16string> aboveCandidates;  // keys meant to sort above every key
};

struct DataSetSample {
  int64_t holders{0};
  std::array<KindKeys, 4> kinds;  // by kind - 1
};

// files: the data set opened as the start window opens it (files 1, 2 and 3).
DataSetSample sampleDataSet(FileTable& files, int keysPerKind);

// The whole contents of a file (for the set-up of the peers, never timed).
std::string readWholeFile(const std::u16string& formedPath);

}  // namespace kv884::bench

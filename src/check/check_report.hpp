#pragma once
// What a check of a data set found: the counts, and the problems.

#include <array>
#include <cstdint>
#include <string>

#include "check/problem_list.hpp"
#include "dataset/block_reader.hpp"

namespace kv884 {

struct CheckedFile : RecordFileSize {
  std::u16string path;  // as the program forms it
};

struct KindCounts {
  int rootUsedEntries{0};
  int leafPages{0};
  int64_t leafEntries{0};
  int64_t chainLength{0};  // records the chain reaches from its first record
};

struct CheckReport {
  std::u16string folder;
  std::u16string securityCode;
  CheckedFile holderFile;
  CheckedFile keyIndexFile;
  CheckedFile detailFile;
  std::array<KindCounts, 4> kinds;  // by kind - 1
  ProblemList problems;

  bool sound() const { return problems.total() == 0; }
};

}  // namespace kv884

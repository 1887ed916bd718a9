#pragma once
// An export's rows made out of the key order and written in it: each row's bytes
// (RegisterWriter::encodeRow) are put with its place in the order and wait in a temporary file,
// by stretches of the order (ScratchBuckets), until every row is made; each stretch is then read
// back in one piece and its rows handed over in their order. The memory: a short buffer a stretch
// while the rows are made, one stretch's rows while they are handed over, and eight bytes a place.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "dataset/scratch_buckets.hpp"

namespace kv884 {

class KeyOrderRows {
 public:
  // For the places 0 to places - 1. Throws FileError when no temporary file can be made.
  explicit KeyOrderRows(size_t places);

  // The row of place, made once. Throws FileError when the temporary file cannot take it.
  void put(size_t place, std::string_view bytes);
  // Hands each place's row to write, in the order of the places, up to the first place that has
  // none; the count of rows handed over. Throws FileError when the temporary file cannot be read.
  size_t writeInOrder(const std::function<void(std::string_view row)>& write);

 private:
  struct Row {
    uint32_t at{0};  // in its stretch's bytes
    uint32_t length{kNone};
  };
  static constexpr uint32_t kNone = UINT32_MAX;

  ScratchBuckets stretches_;
  std::vector<Row> rows_;  // by place
};

}  // namespace kv884

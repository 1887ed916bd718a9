#pragma once
// Bytes sorted into buckets that wait in an unnamed temporary file (ScratchFile) instead of
// memory: each bucket keeps a short buffer and writes it out in pieces as it fills, and a bucket
// is read back whole, in the order its bytes were appended. An export sorts its holders' records
// and rows this way: the memory is a buffer a bucket and the bucket read back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/scratch_file.hpp"

namespace kv884 {

class ScratchBuckets {
 public:
  // Throws FileError when no temporary file can be made.
  explicit ScratchBuckets(size_t buckets);

  // Where the bytes begin among the bucket's. Throws FileError when the file cannot take them.
  size_t append(size_t bucket, std::string_view bytes);
  // Every byte of the bucket into bytes. Throws FileError when the file cannot be read.
  void readBack(size_t bucket, std::string& bytes);

 private:
  struct Bucket {
    std::vector<std::pair<int64_t, size_t>> written;  // its pieces in the file: offset, length
    std::string pending;                              // appended since the last piece
    size_t bytes{0};                                  // written and pending
  };

  void writePending(Bucket& bucket);

  ScratchFile file_;
  int64_t end_{0};  // of what the file holds
  std::vector<Bucket> buckets_;
};

}  // namespace kv884

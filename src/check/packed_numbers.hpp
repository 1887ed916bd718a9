#pragma once
// Record numbers packed into 20 bits each: every number of six digits (999999 included) fits,
// so four successors of a detail record take 10 bytes instead of 32. A larger number is kept as
// kBeyond, which no file of the data set can hold as a record.

#include <cstdint>
#include <vector>

namespace kv884 {

class PackedNumbers {
 public:
  static constexpr uint32_t kBeyond = (1u << 20) - 1;

  explicit PackedNumbers(size_t count) : words_((count * kBits + 63) / 64 + 1, 0) {}

  void set(size_t index, int64_t value) {
    uint64_t v = value < 0 || value > kBeyond ? kBeyond : static_cast<uint64_t>(value);
    size_t bit = index * kBits;
    size_t word = bit / 64, shift = bit % 64;
    words_[word] = (words_[word] & ~(kMask << shift)) | (v << shift);
    if (shift + kBits > 64) {
      size_t high = 64 - shift;
      words_[word + 1] = (words_[word + 1] & ~(kMask >> high)) | (v >> high);
    }
  }

  int64_t get(size_t index) const {
    size_t bit = index * kBits;
    size_t word = bit / 64, shift = bit % 64;
    uint64_t v = words_[word] >> shift;
    if (shift + kBits > 64) v |= words_[word + 1] << (64 - shift);
    return static_cast<int64_t>(v & kMask);
  }

 private:
  static constexpr size_t kBits = 20;
  static constexpr uint64_t kMask = (uint64_t{1} << kBits) - 1;
  std::vector<uint64_t> words_;
};

}  // namespace kv884

#pragma once
// What the chain and page checks need of every detail record, read once from the file and kept
// compact: the four successors at 20 bits each and the four key fields (about 53 bytes a record,
// a third of the record itself). The checks walk the chains in chain order, which is random
// access into the file; here it is random access into memory.

#include <array>
#include <cstdint>
#include <string_view>

#include "check/key_column.hpp"
#include "check/packed_numbers.hpp"

namespace kv884 {

class DetailTable {
 public:
  explicit DetailTable(int64_t count);

  int64_t count() const { return count_; }
  // text: the record's 120 decoded characters.
  void set(int64_t recNo, std::u16string_view text);

  int64_t successor(int kind, int64_t recNo) const;  // PackedNumbers::kBeyond when too large
  std::u16string_view key(int kind, int64_t recNo, KeyBuffer& buffer) const;

 private:
  int64_t count_;
  std::array<PackedNumbers, 4> successors_;
  std::array<KeyColumn, 4> keys_;
};

}  // namespace kv884

#pragma once
// The records of a stretch of a key order: the detail records it names and the holder data
// records that those name, each file read in ascending record order (GatheredRecords), so a
// stretch costs a few large reads of each file instead of two reads a holder.

#include <cstdint>
#include <string_view>
#include <vector>

#include "dataset/gathered_records.hpp"
#include "platform/file_table.hpp"

namespace kv884 {

class OrderStretch {
 public:
  // Replaces the stretch with the records of detailNos (detail record numbers in their order).
  // Throws FileError when a file cannot be read.
  void read(FileTable& files, const std::vector<uint32_t>& detailNos);

  size_t size() const { return dataNos_.size(); }
  std::string_view detail(size_t i) const { return details_[i]; }
  uint32_t dataNo(size_t i) const { return dataNos_[i]; }
  // Empty when the detail record names no record of the holder data file.
  std::string_view data(size_t i) const { return data_[i]; }

 private:
  GatheredRecords details_, data_;
  std::vector<uint32_t> dataNos_;
  std::u16string text_;
};

}  // namespace kv884

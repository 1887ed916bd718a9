#pragma once
// The records of one record file that a list names, in any order and repeats allowed, read in
// ascending file order: records that lie close together come in one read, so a list that covers
// a stretch of the file costs a few large reads instead of one read per record. A number that
// names no record of the file is kept as missing, for its reader to report where it comes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_table.hpp"

namespace kv884 {

class GatheredRecords {
 public:
  // Replaces what was gathered with the records recNos names. Throws FileError when the file
  // cannot be read.
  void gather(FileTable& files, int fileNo, const std::vector<uint32_t>& recNos);

  // The record of recNos[i] (a last record only partly present padded with blanks); empty when
  // recNos[i] names no record of the file.
  std::string_view operator[](size_t i) const;

 private:
  void readRun(FileTable& files, int fileNo, size_t from, size_t to, char* run);
  int64_t recordAt(size_t k) const { return static_cast<int64_t>(sorted_[k] >> 32); }

  size_t recordLength_{0};
  std::string records_;           // recordLength_ bytes for each listed record, in list order
  std::vector<bool> present_;     // by list position
  std::vector<uint64_t> sorted_;  // record number << 32 | list position, ascending
};

}  // namespace kv884

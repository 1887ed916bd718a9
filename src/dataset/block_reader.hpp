#pragma once
// Reads an open data file of fixed-length records from start to end in large blocks, handing each
// record to a callback: the checks and the export read every record once without a system call
// per record. A last record that is only partly present is padded with blanks, as a record read
// pads it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/file_table.hpp"

namespace kv884 {

// The size of a block read: a few reads cover a whole file.
inline constexpr size_t kBlockBytes = 4 << 20;

struct RecordFileSize {
  int64_t length{0};   // bytes
  int64_t records{0};  // a partly present last record included
  int recordLength{0};
  bool partial() const;  // the length is not a multiple of the record length
};

using RecordVisitor = std::function<void(int64_t recNo, std::string_view bytes)>;

// fileNo is a record file open in files; its length is the length it had when it was opened.
// Throws FileError when the file cannot be read.
RecordFileSize readRecordFile(FileTable& files, int fileNo, const RecordVisitor& visit);

// The seconds a read of block's length from the start of fileNo takes, the quicker of two reads:
// a pause of the machine in one of them is not the medium's. Throws FileError.
double secondsToReadBlock(FileTable& files, int fileNo, std::vector<char>& block);

}  // namespace kv884

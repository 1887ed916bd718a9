#pragma once
// The program-wide table of open files, addressed by number as the windows address them
// (3 holder data, 1 holder-key index, 2 detail index, 14 count report, 15 descriptor).
// Every failure is thrown as a FileError. Files are only ever opened for reading.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scratch_file.hpp"
#include "platform/sequential_input.hpp"

namespace kv884 {

class FileTable {
 public:
  FileTable();
  ~FileTable();
  FileTable(const FileTable&) = delete;
  FileTable& operator=(const FileTable&) = delete;

  // formedPath is the path as the program forms it; the host mapping happens here.
  void openInput(int fileNo, std::u16string_view formedPath);
  void openRecords(int fileNo, std::u16string_view formedPath, int recordLength);

  int64_t length(int fileNo) const;
  int recordLength(int fileNo) const;
  // The number of records the file holds, a partly present last record included.
  int64_t recordCount(int fileNo) const;

  // Record recNo (1-based) as raw bytes, recordLength long: a last record that is only partly
  // present is padded with blanks. A number below 1 or wholly beyond the end is error 63.
  std::string readRecord(int fileNo, int64_t recNo);
  // The same into bytes, whose storage is reused; on a failure bytes holds nothing of use.
  void readRecordInto(int fileNo, int64_t recNo, std::string& bytes);

  // Up to size bytes of an open file from offset on, fewer at its end: the checker reads the
  // record files front to back in large blocks through this, one system call a block.
  size_t readBytes(int fileNo, int64_t offset, char* buffer, size_t size);

  SequentialInput& input(int fileNo);

  void close(int fileNo);  // closing a number that is not open does nothing
  void closeAll();

  bool isOpen(int fileNo) const;
  std::vector<int> openNumbers() const;

  // Called after every successful record read; tests count reads through it.
  using ReadObserver = std::function<void(int fileNo, int64_t recNo)>;
  void setReadObserver(ReadObserver observer) { observer_ = std::move(observer); }

  // Asked first for every record read: true when it has put the record's bytes, exactly as the
  // file holds them, into bytes (a batch that has read a stretch of the file ahead in one go);
  // false sends the read to the file. Null: every read goes to the file.
  using RecordSource = std::function<bool(int fileNo, int64_t recNo, std::string& bytes)>;
  void setRecordSource(RecordSource source) { source_ = std::move(source); }

  // Handed every block that readBytes reads, as it reads it: a copy of the set made by the pass
  // that reads it anyway.
  using BlockTap = std::function<void(int fileNo, int64_t offset, std::string_view bytes)>;
  void setBlockTap(BlockTap tap) { tap_ = std::move(tap); }
  // Reads of the first copied bytes of fileNo come from copy, which holds them from offset on: the
  // same bytes from a cheaper place. Null: every read from the file itself again.
  void readFromCopy(int fileNo, std::shared_ptr<const ScratchFile> copy, int64_t offset,
                    int64_t copied);

 private:
  struct OpenFile;
  void open(int fileNo, std::u16string_view formedPath, int recordLength);  // 0: sequential
  OpenFile& find(int fileNo) const;

  std::map<int, std::unique_ptr<OpenFile>> files_;
  ReadObserver observer_;
  RecordSource source_;
  BlockTap tap_;
};

}  // namespace kv884

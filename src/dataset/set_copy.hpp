#pragma once
// The set's record files copied once, in order, in large blocks, into an unnamed temporary
// file on the local disc (ScratchFile), for a reader that would read them from a slow medium more
// than once: the export's passes, a large batch. A file is copied by a pass that reads it anyway
// (the detail index file while a key order is learned, through the file table's block tap), and
// what no pass read is copied after it; the table then reads the files from the copy, so every
// reader (the window, the stretches of an order) gets the same bytes as before. Where the temporary
// file cannot be made or written (a full disc), the copy is given up and the table reads the
// medium.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/file_table.hpp"

namespace kv884 {

struct CopyCosts {
  double secondsToRead{0};  // a block of the first file from the medium, the quicker of two reads
  double secondsToAsk{0};   // a page of it the same way (timeRequests): a request or seek alone
  double secondsToCopy{0};  // the same block written to the copy and read back from it
  int64_t blockBytes{0};    // that block's length
  int64_t setBytes{0};      // the files copied together
};

class SetCopy {
 public:
  // A copy of the record files fileNos of files, the first of them timed: one block read from
  // the medium and copied. made() is false where the temporary file could not be made or
  // written, or the medium not read.
  SetCopy(FileTable& files, const std::vector<int>& fileNos);
  ~SetCopy();
  SetCopy(const SetCopy&) = delete;
  SetCopy& operator=(const SetCopy&) = delete;

  bool made() const { return copy_ != nullptr; }
  const CopyCosts& costs() const { return costs_; }
  // Times a page read from the medium as the block was, for a reader that weighs its own
  // requests against the copy (a batch's searches).
  void timeRequests();

  // From here on the blocks a pass reads of the files, in order from their start, go to the copy
  // as well; the table reads them from the copy once they are there.
  void copyAsRead();
  // Copies what no pass has; true: the table reads the files from the copy from now on; false:
  // the copy failed and the table reads the medium. While the copy is being made, the table
  // reads what it holds already from it; a copy never completed is dropped with this object.
  bool complete();

  // Copies the files before fileNo (in the order given to the constructor) that no pass has
  // copied; the table reads them from the copy from now on. False where the copy failed.
  bool copyBefore(int fileNo);
  // complete() on a thread of its own, while the caller goes on with what the copy holds already
  // and readCopied(): until finishCompleting() has returned, nothing may read the files being
  // copied through the table. A pass that works through a file while its copy is made, one medium
  // request after the other, then works while the medium answers.
  void startCompleting();
  // Waits for the copy begun by startCompleting(); what complete() returns.
  bool finishCompleting();
  // Up to size bytes of fileNo from offset on, from the copy, once the copy holds them: waits for
  // the copy to reach them. Fewer at the file's end. Throws FileError once the copy has failed (the
  // medium could not be read, the copy not written): the reader then reads the medium itself.
  size_t readCopied(int fileNo, int64_t offset, char* buffer, size_t size);

 private:
  struct Part {
    int fileNo;
    int64_t at;      // where the file's bytes begin in the copy
    int64_t length;  // the file's
    int64_t copied;  // its bytes in the copy, from its start
  };

  void take(Part& part, int64_t offset, std::string_view bytes);
  void copyRest(Part& part);
  void serve();  // the table reads what is copied from the copy from now on
  void giveUp();
  void copyRests();

  FileTable& files_;
  std::shared_ptr<ScratchFile> copy_;
  CopyCosts costs_;
  std::vector<Part> parts_;
  bool serving_{false};
  bool complete_{false};
  // While the rest is copied on copier_: the table is left alone there (the caller may read the
  // files copied already through it) and told of the copy's end by finishCompleting().
  std::thread copier_;
  bool copying_{false};  // on copier_, until its end
  std::mutex progress_;  // guards the parts' copied bytes, copy_ and copying_ while copier_ runs
  std::condition_variable progressed_;
};

}  // namespace kv884

#include "check/block_reader.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "platform/file_error.hpp"
#include "platform/host_path.hpp"

namespace kv884 {

namespace {

constexpr size_t kBlockBytes = 4 << 20;

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(std::u16string_view formedPath) {
    HostPath host = mapHostPath(formedPath);
    if (host.folderMissing) throw FileError::pathNotFound();
    do {
      fd_ = ::open(host.path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) throw errno == ENOENT ? FileError::fileNotFound() : FileError::pathFileAccess();
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  }
  ~ReadOnlyFile() { ::close(fd_); }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Fills buffer as far as the file goes; returns the bytes read (0 at the end).
  size_t fill(char* buffer, size_t size) {
    size_t got = 0;
    while (got < size) {
      ssize_t n = ::read(fd_, buffer + got, size - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw FileError::deviceIo();
      if (n == 0) break;
      got += static_cast<size_t>(n);
    }
    return got;
  }

 private:
  int fd_{-1};
};

}  // namespace

bool RecordFileSize::partial() const {
  return recordLength > 0 && length % recordLength != 0;
}

RecordFileSize readRecordFile(std::u16string_view formedPath, int recordLength,
                              const RecordVisitor& visit) {
  ReadOnlyFile file(formedPath);
  const size_t length = static_cast<size_t>(recordLength);
  std::vector<char> block((kBlockBytes / length) * length);
  RecordFileSize size;
  size.recordLength = recordLength;
  for (;;) {
    size_t got = file.fill(block.data(), block.size());
    size.length += static_cast<int64_t>(got);
    for (size_t at = 0; at < got; at += length) {
      std::string_view bytes(block.data() + at, std::min(length, got - at));
      if (bytes.size() < length) {
        std::string padded(bytes);
        padded.resize(length, ' ');
        visit(++size.records, padded);
      } else {
        visit(++size.records, bytes);
      }
    }
    if (got < block.size()) return size;
  }
}

}  // namespace kv884

#pragma once
// Fuzz input as an open file descriptor: an anonymous in-memory file holding the bytes, so the
// readers run on the very SequentialInput the file table gives them.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace kv884::fuzz {

class MemoryFile {
 public:
  MemoryFile(const uint8_t* data, size_t size) : fd_(::memfd_create("kv884-fuzz", MFD_CLOEXEC)) {
    if (fd_ < 0) std::abort();
    size_t done = 0;
    while (done < size) {
      ssize_t n = ::write(fd_, data + done, size - done);
      if (n <= 0) std::abort();
      done += static_cast<size_t>(n);
    }
    if (::lseek(fd_, 0, SEEK_SET) != 0) std::abort();
  }
  ~MemoryFile() { ::close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  int fd() const { return fd_; }

 private:
  int fd_;
};

// Stops the run with a crash libFuzzer reports, naming the broken property.
[[noreturn]] inline void fail(const char* property) {
  (void)property;  // visible in the debugger and the stack trace
  std::abort();
}

}  // namespace kv884::fuzz

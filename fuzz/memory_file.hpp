#pragma once
// What every fuzz target shares: the input as an open file (an anonymous in-memory file, so the
// readers run on the very SequentialInput the file table gives them), and the way a broken
// property stops the run.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace kv884::fuzz {

// A crash libFuzzer reports; the property shows in the stack trace.
[[noreturn]] inline void fail(const char* /*property*/) {
  std::abort();
}

class MemoryFile {
 public:
  MemoryFile(const uint8_t* data, size_t size) : fd_(::memfd_create("kv884-fuzz", MFD_CLOEXEC)) {
    if (::pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size)) fail("no memory file");
  }
  ~MemoryFile() { ::close(fd_); }

  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace kv884::fuzz

// The end of standard output, whichever host: what the program wrote is flushed, and a byte lost
// on the way is reported.

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "platform/standard_streams.hpp"

namespace kv884 {

std::optional<FileError> finishStandardOutput() {
  errno = 0;
  std::cout.flush();
  bool lost = std::cout.fail();
  // A write the stream reported lost is tried once more, so that errno tells why.
  lost = (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) || lost;
  const int flushError = errno;
  if (!closeStandardOutput()) {
    lost = true;
  } else if (lost) {
    errno = flushError;
  }
  if (!lost) return std::nullopt;
  return errno != 0 ? FileError(std::error_code(errno, std::generic_category()))
                    : FileError(FileError::kDeviceIo);
}

}  // namespace kv884

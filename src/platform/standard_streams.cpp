#include "platform/standard_streams.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace kv884 {

namespace {

// True when descriptor fd was closed and is now open on the null device.
bool reopenWhenClosed(int fd) {
  if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) return false;
  // The lowest free number is fd itself, as every lower one is open already.
  const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  if (opened != fd && opened >= 0) ::close(opened);
  return true;
}

}  // namespace

StandardStreams secureStandardStreams() {
  StandardStreams streams;
  streams.inClosed = reopenWhenClosed(STDIN_FILENO);
  reopenWhenClosed(STDOUT_FILENO);
  reopenWhenClosed(STDERR_FILENO);
  streams.outIsTerminal = ::isatty(STDOUT_FILENO) == 1;
  streams.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
  return streams;
}

std::optional<FileError> finishStandardOutput() {
  errno = 0;
  std::cout.flush();
  bool lost = std::cout.fail();
  // A write the stream reported lost is tried once more, so that errno tells why.
  lost = (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) || lost;
  const int flushError = errno;
  if (::close(STDOUT_FILENO) != 0) {
    lost = true;
  } else if (lost) {
    errno = flushError;
  }
  if (!lost) return std::nullopt;
  return errno != 0 ? FileError(std::error_code(errno, std::generic_category()))
                    : FileError(FileError::kDeviceIo);
}

}  // namespace kv884

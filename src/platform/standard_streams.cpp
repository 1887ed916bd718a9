#include "platform/standard_streams.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

bool closeStandardOutput() {
  return ::close(STDOUT_FILENO) == 0;
}

}  // namespace kv884

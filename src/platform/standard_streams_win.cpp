// The standard streams on Windows: a program started without one (from a service, or with the
// handle closed) has it opened on NUL; a console is the terminal.

#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "platform/standard_streams.hpp"

namespace kv884 {

namespace {

// True when the stream had no handle and is now open on NUL.
bool reopenWhenClosed(FILE* stream, const char* mode) {
  const int fd = ::_fileno(stream);
  if (fd >= 0 && ::_get_osfhandle(fd) != -1 && ::_get_osfhandle(fd) != -2) return false;
  std::freopen("NUL", mode, stream);
  return true;
}

bool isConsole(DWORD handleId) {
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(handleId), &mode) != 0;
}

}  // namespace

StandardStreams secureStandardStreams() {
  StandardStreams streams;
  streams.inClosed = reopenWhenClosed(stdin, "rb");
  reopenWhenClosed(stdout, "wb");
  reopenWhenClosed(stderr, "wb");
  streams.outIsTerminal = isConsole(STD_OUTPUT_HANDLE);
  streams.errIsTerminal = isConsole(STD_ERROR_HANDLE);
  return streams;
}

std::optional<FileError> finishStandardOutput() {
  errno = 0;
  std::cout.flush();
  bool lost = std::cout.fail();
  lost = (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) || lost;
  const int flushError = errno;
  if (::_close(::_fileno(stdout)) != 0 && errno != EBADF) {
    lost = true;
  } else if (lost) {
    errno = flushError;
  }
  if (!lost) return std::nullopt;
  return errno != 0 ? FileError(std::error_code(errno, std::generic_category()))
                    : FileError(FileError::kDeviceIo);
}

}  // namespace kv884

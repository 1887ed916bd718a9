// The standard streams on Windows: a program started without one (from a service, or with the
// handle closed) has it opened on NUL; a console is the terminal.

#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>

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

// A standard output that was never open counts as closed.
bool closeStandardOutput() {
  return ::_close(::_fileno(stdout)) == 0 || errno == EBADF;
}

}  // namespace kv884

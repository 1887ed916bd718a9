#pragma once
// Standard input, output and error of a program. At start each one that is closed is opened on
// the null device, so that no file the program opens later takes its number (a data file read
// as the key file, a message written into an export). At the end the output is flushed and
// closed, and a write that failed on the way (a full disk, a closed pipe's reader gone) is
// reported instead of lost.

#include <optional>

#include "platform/file_error.hpp"

namespace kv884 {

struct StandardStreams {
  bool inClosed{false};  // standard input was closed when the program started
  bool outIsTerminal{false};
  bool errIsTerminal{false};
};

// Call first thing in main.
StandardStreams secureStandardStreams();

// Flushes std::cout and the C library's stdout and closes standard output; the error when any
// byte written to it was lost.
std::optional<FileError> finishStandardOutput();

// Closes standard output the host's way; false when the close failed, errno telling why.
bool closeStandardOutput();

}  // namespace kv884

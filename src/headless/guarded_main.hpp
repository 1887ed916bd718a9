#pragma once
// The one guard around the body of every command-line program: standard streams made sure of
// before anything is opened, any failure that escapes the body turned into one message on
// standard error and a status (a file that cannot be reached by its file error, as the windows
// report them; the name collation that cannot be opened by its own status), and standard output
// checked at the end, --help and --version included.

#include <functional>
#include <string_view>

#include "platform/standard_streams.hpp"

namespace kv884 {

// The status of a failure no other status covers, and of output that could not be written.
inline constexpr int kExitGuardFailure = 2;
// The status of a run that needed the name collation, which could not be opened.
inline constexpr int kExitNoCollation = 69;

int guardedMain(std::string_view program, const std::function<int(const StandardStreams&)>& body);

}  // namespace kv884

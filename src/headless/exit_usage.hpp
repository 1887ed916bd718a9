#pragma once
// The exit status of every program for bad usage, apart from the command line parser, whose
// header is slow to compile.

#include <ostream>
#include <string>

namespace kv884 {

inline constexpr int kExitUsage = 64;

// A usage error found after parsing: one line on err, naming the program; returns kExitUsage.
inline int usageError(std::string_view program, std::ostream& err, const std::string& problem) {
  err << program << ": " << problem << " (--help shows the usage)\n";
  return kExitUsage;
}

}  // namespace kv884

#pragma once
// The command line of kv884-mkset:
//   kv884-mkset OUT_FOLDER (--csv FILE | --synthetic N) [options]
// Exit status: 0 written, 1 the data set could not be built, 2 a file could not be written,
// 64 bad usage.

#include <ostream>
#include <string>
#include <vector>

namespace kv884::mkset {

inline constexpr int kExitBuildFailed = 1;
inline constexpr int kExitWriteFailed = 2;

// args without the program name. Progress goes to out, errors to err.
int runMkset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv884::mkset

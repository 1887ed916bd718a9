#pragma once
// The command line of kv884-mkset: its options, and the data set they ask for, built.

#include <ostream>
#include <string>
#include <vector>

namespace kv884::mkset {

inline constexpr int kExitBuildFailed = 1;
inline constexpr int kExitWriteFailed = 2;

// args without the program name. Progress goes to out, errors to err.
int runMkset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv884::mkset

#pragma once
// kv884-check FOLDER [--json]: opens FOLDER as the start window's open button does, checks the
// data set and prints the report. Exit status: 0 sound, 1 problems found, 2 the data set cannot
// be opened or read, 64 bad usage.

#include <ostream>
#include <string>
#include <vector>

namespace kv884 {

inline constexpr int kCheckSound = 0;
inline constexpr int kCheckProblems = 1;
inline constexpr int kCheckCannotOpen = 2;

int runCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv884

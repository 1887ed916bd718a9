#pragma once
// kv884-check: opens a data folder as the start window's open button does, checks the data set
// and prints the report.

#include <ostream>
#include <string>
#include <vector>

namespace kv884 {

inline constexpr int kCheckSound = 0;
inline constexpr int kCheckProblems = 1;
inline constexpr int kCheckCannotOpen = 2;

int runCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv884

#pragma once
// kv884-query: the query window without a screen. It opens a data folder exactly as the start
// window's open button does and drives the same window objects, so what it prints is what the
// window would show.
//   kv884-query FOLDER --by KIND [KEY] [--limit N] [--json] [--print FILE]
//   kv884-query FOLDER --replay SCRIPT          (SCRIPT: a path, or - for standard input)
//   kv884-query FOLDER --report [--print FILE]
// Exit status: 0 success; 1 a search found nothing; 2 the data set could not be opened or a
// record not read; 64 bad usage.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kv884 {

inline constexpr int kExitNoMatch = 1;
inline constexpr int kExitFailure = 2;

// args without the program name; in is the script of --replay -.
int runQueryCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err);

}  // namespace kv884

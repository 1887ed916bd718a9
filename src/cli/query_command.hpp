#pragma once
// kv884-query: the query window without a screen. It opens a data folder exactly as the start
// window's open button does and drives the same window objects, so what it prints is what the
// window would show.
//   kv884-query FOLDER --by KIND [KEY] [--limit N] [--json] [--print FILE]
//   kv884-query FOLDER --by KIND --keys FILE [--json]   (FILE: a path, or - for standard input)
//   kv884-query FOLDER --export FILE.csv|FILE.xlsx [--by KIND]
//   kv884-query FOLDER --replay SCRIPT          (SCRIPT: a path, or - for standard input)
//   kv884-query FOLDER --report [--print FILE]
// Exit status: 0 success; 1 a search found nothing; 2 the data set could not be opened, a
// record not read or an export not completed; 64 bad usage.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/exit_status.hpp"
#include "platform/standard_streams.hpp"

namespace kv884 {

// args without the program name; in is the script of --replay - or the keys of --keys -.
// streams: whether in was closed at start (- is then refused), whether out and err are
// terminals (err then shows the progress of long runs; out ends the report with a line break).
int runQueryCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err, const StandardStreams& streams = {});

}  // namespace kv884

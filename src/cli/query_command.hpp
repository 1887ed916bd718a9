#pragma once
// kv884-query: the query window without a screen. It opens a data folder exactly as the start
// window's open button does and drives the same window objects, so what it prints is what the
// window would show. Its options are defined in query_command.cpp, its exit statuses in
// exit_status.hpp.

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

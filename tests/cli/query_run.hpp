#pragma once
// kv884-query run in this process, on string streams.

#include <sstream>
#include <string>
#include <vector>

#include "cli/query_command.hpp"

namespace kv884::test {

struct QueryRun {
  int status;
  std::string out;
  std::string err;
};

inline QueryRun queryInProcess(const std::vector<std::string>& args, const std::string& input = {},
                               bool errIsTerminal = false) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = runQueryCommand(args, in, out, err, errIsTerminal);
  return {status, out.str(), err.str()};
}

inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace kv884::test

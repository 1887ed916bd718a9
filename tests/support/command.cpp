#include "support/command.hpp"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "support/temp_folder.hpp"

namespace kv884::test {

std::string shellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

CommandResult runCommand(const std::string& commandLine, const std::string& input,
                         int timeoutSeconds) {
  TempFolder scratch;
  auto in = scratch.path() / "in", out = scratch.path() / "out", err = scratch.path() / "err";
  writeFile(in, input);
  std::string full = "timeout " + std::to_string(timeoutSeconds) + " " + commandLine + " <" +
                     shellQuote(in.string()) + " >" + shellQuote(out.string()) + " 2>" +
                     shellQuote(err.string());
  int raw = std::system(full.c_str());
  CommandResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = readFile(out);
  result.err = readFile(err);
  return result;
}

std::string queryBinary() {
  return KV884_QUERY_BIN;
}

}  // namespace kv884::test

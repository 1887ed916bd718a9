// Commands through the POSIX shell, under timeout.

#include <sys/wait.h>

#include <cstdlib>

#include "support/command.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

std::string shellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

CommandResult runCommand(const std::string& commandLine, const std::string& input,
                         int timeoutSeconds, const std::filesystem::path& workingFolder) {
  TempFolder scratch;
  auto in = scratch.path() / "in", out = scratch.path() / "out", err = scratch.path() / "err";
  writeFile(in, input);
  std::string full =
      (workingFolder.empty() ? "" : "cd " + shellQuote(workingFolder.string()) + " && ") +
      "timeout -k 5 " + std::to_string(timeoutSeconds) + " " + commandLine + " <" +
      shellQuote(in.string()) + " >" + shellQuote(out.string()) + " 2>" + shellQuote(err.string());
  int raw = std::system(full.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
}

}  // namespace kv884::test

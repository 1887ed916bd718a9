// Commands through the host's shell: the POSIX shell under timeout, or cmd.exe, where ctest's own
// timeout stops a hang.

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>

#include "platform/utf.hpp"
#include "support/command.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

std::string shellQuote(const std::string& text) {
#ifdef _WIN32
  return '"' + text + '"';
#else
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
#endif
}

CommandResult runCommand(const std::string& commandLine, const std::string& input,
                         [[maybe_unused]] int timeoutSeconds,
                         const std::filesystem::path& workingFolder) {
  TempFolder scratch;
  auto in = scratch.path() / "in", out = scratch.path() / "out", err = scratch.path() / "err";
  writeFile(in, input);
#ifdef _WIN32
  const std::string changeFolder = "cd /d ", run = commandLine;
#else
  const std::string changeFolder = "cd ",
                    run = "timeout -k 5 " + std::to_string(timeoutSeconds) + " " + commandLine;
#endif
  const std::string full =
      (workingFolder.empty() ? "" : changeFolder + shellQuote(workingFolder.string()) + " && ") +
      run + " <" + shellQuote(in.string()) + " >" + shellQuote(out.string()) + " 2>" +
      shellQuote(err.string());
#ifdef _WIN32
  // cmd.exe takes the outer quotes off and leaves the inner ones as they are.
  const std::u16string command = fromUtf8('"' + full + '"');
  const int status = ::_wsystem(reinterpret_cast<const wchar_t*>(command.c_str()));
#else
  const int raw = std::system(full.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  return {status, readFile(out), readFile(err)};
}

}  // namespace kv884::test

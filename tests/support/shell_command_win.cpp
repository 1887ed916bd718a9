// Commands through cmd.exe. There is no timeout here: ctest's own stops a hang.

#include <cstdlib>

#include "platform/utf.hpp"
#include "support/command.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

std::string shellQuote(const std::string& text) {
  return '"' + text + '"';
}

CommandResult runCommand(const std::string& commandLine, const std::string& input, int,
                         const std::filesystem::path& workingFolder) {
  TempFolder scratch;
  auto in = scratch.path() / "in", out = scratch.path() / "out", err = scratch.path() / "err";
  writeFile(in, input);
  const std::string full =
      (workingFolder.empty() ? "" : "cd /d " + shellQuote(workingFolder.string()) + " && ") +
      commandLine + " <" + shellQuote(in.string()) + " >" + shellQuote(out.string()) + " 2>" +
      shellQuote(err.string());
  // cmd.exe takes the outer quotes off and leaves the inner ones as they are.
  const std::u16string command = fromUtf8('"' + full + '"');
  const int status = ::_wsystem(reinterpret_cast<const wchar_t*>(command.c_str()));
  return {status, readFile(out), readFile(err)};
}

}  // namespace kv884::test

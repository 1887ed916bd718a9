#pragma once
// Runs a command line through the shell and collects its exit status and output.

#include <filesystem>
#include <string>

namespace kv884::test {

struct CommandResult {
  int status{-1};
  std::string out;
  std::string err;
};

// stdin is empty unless input is given. The command runs under `timeout`, so a hang fails the
// test with status 124 instead of stopping the suite; in workingFolder when one is given.
CommandResult runCommand(const std::string& commandLine, const std::string& input = {},
                         int timeoutSeconds = 60, const std::filesystem::path& workingFolder = {});

std::string shellQuote(const std::string& text);

// The path of kv884-query in the build.
std::string queryBinary();

size_t lineCount(const std::string& text);

}  // namespace kv884::test

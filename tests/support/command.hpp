#pragma once
// Runs a command, in this process or through the shell, and collects its exit status and output.

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace kv884::test {

struct CommandResult {
  int status{-1};
  std::string out;
  std::string err;
};

// A command's run function (arguments, standard output, standard error) called in this process.
template <typename Run>
CommandResult runInProcess(Run run, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = run(args, out, err);
  return {status, out.str(), err.str()};
}

// text with every "%t" replaced by folder, as the argument tables name their temporary folder.
inline std::string within(const std::filesystem::path& folder, std::string text) {
  for (size_t at; (at = text.find("%t")) != std::string::npos;)
    text.replace(at, 2, folder.string());
  return text;
}

// stdin is empty unless input is given. The command runs under `timeout`, so a hang fails the
// test with status 124 instead of stopping the suite; in workingFolder when one is given.
CommandResult runCommand(const std::string& commandLine, const std::string& input = {},
                         int timeoutSeconds = 60, const std::filesystem::path& workingFolder = {});

std::string shellQuote(const std::string& text);

// An environment variable set for the life of this object; empty: unset.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const std::string& value) : name_(name) { set(value); }
  ~EnvironmentVariable() { set({}); }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  void set(const std::string& value) {
#ifdef _WIN32
    ::_putenv_s(name_, value.c_str());  // an empty value removes it
#else
    if (value.empty())
      ::unsetenv(name_);
    else
      ::setenv(name_, value.c_str(), 1);
#endif
  }
  const char* name_;
};

}  // namespace kv884::test

#pragma once
// The command lines of the programs, parsed by CLI11 the same way everywhere: --help and
// --version print on standard output and end the program with status 0; a usage error is one
// line on standard error and status 64.

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "headless/exit_usage.hpp"
#include "platform/file_error.hpp"

namespace kv884 {

inline int usageError(const CLI::App& app, std::ostream& err, const std::string& problem) {
  return usageError(app.get_name(), err, problem);
}

// A file named on the command line that cannot be read: a usage error with its file error.
inline int unreadableFile(const CLI::App& app, std::ostream& err, const std::string& what,
                          const FileError& e) {
  return usageError(app, err, "cannot read " + what + ": " + e.what());
}

// Gives a program's CLI11 application its --version flag ("NAME VERSION").
inline void addVersionFlag(CLI::App& app) {
  app.set_version_flag("--version", app.get_name() + " " + KV884_VERSION);
}

// Parses args (without the program name). Nothing when the program goes on; else the status to
// end with, after printing what --help, --version or the usage error asks for. Inline, as every
// caller compiles the parser's header anyway and it is slow to compile a second time.
inline std::optional<int> parseCommandLine(CLI::App& app, const std::vector<std::string>& args,
                                           std::ostream& out, std::ostream& err) {
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // as CLI11 takes them
  // On Windows CLI11 would read /NAME as an option, and so a folder given as /data/set too.
  app.allow_windows_style_options(false);
  try {
    app.parse(reversed);
    return std::nullopt;
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return 0;
  } catch (const CLI::ParseError& e) {
    return usageError(app, err, e.what());
  }
}

}  // namespace kv884

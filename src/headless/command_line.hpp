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

namespace kv884 {

// Gives a program's CLI11 application its --version flag ("NAME VERSION").
void addVersionFlag(CLI::App& app);

// Parses args (without the program name). Nothing when the program goes on; else the status to
// end with, after printing what --help, --version or the usage error asks for.
std::optional<int> parseCommandLine(CLI::App& app, const std::vector<std::string>& args,
                                    std::ostream& out, std::ostream& err);

// A usage error found after parsing: one line on err; returns kExitUsage.
int usageError(const CLI::App& app, std::ostream& err, const std::string& problem);

}  // namespace kv884

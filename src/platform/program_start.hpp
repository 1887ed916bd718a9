#pragma once
// What a command-line program does first: takes its arguments as UTF-8 (on Windows from the
// UTF-16 command line, never through the ANSI code page) and sets up its standard streams so
// that the bytes written are the bytes that arrive (on Windows: no line-end translation into
// files and pipes, and Chinese drawn right on a console).

#include <string>
#include <vector>

namespace kv884 {

// The arguments after the program's name.
std::vector<std::string> startProgram(int argc, char** argv);

}  // namespace kv884

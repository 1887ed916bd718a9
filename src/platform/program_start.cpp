#include "platform/program_start.hpp"

namespace kv884 {

// The arguments arrive as bytes, UTF-8 in the locales the program is used in, and the standard
// streams pass bytes through as they are.
std::vector<std::string> startProgram(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace kv884

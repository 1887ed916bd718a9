#include <iostream>
#include <string>
#include <vector>

#include "mkset/mkset_command.hpp"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return kv884::mkset::runMkset(args, std::cout, std::cerr);
}

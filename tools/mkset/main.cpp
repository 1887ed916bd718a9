#include <iostream>
#include <string>
#include <vector>

#include "headless/guarded_main.hpp"
#include "mkset/mkset_command.hpp"

int main(int argc, char** argv) {
  return kv884::guardedMain("kv884-mkset", [&](const kv884::StandardStreams&) {
    return kv884::mkset::runMkset(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
  });
}

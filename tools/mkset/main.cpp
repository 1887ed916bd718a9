#include <iostream>

#include "headless/guarded_main.hpp"
#include "mkset/mkset_command.hpp"
#include "platform/program_start.hpp"

int main(int argc, char** argv) {
  return kv884::guardedMain("kv884-mkset", [&](const kv884::StandardStreams&) {
    return kv884::mkset::runMkset(kv884::startProgram(argc, argv), std::cout, std::cerr);
  });
}

// kv884-check: verifies a delivered data set before anyone relies on it.

#include <iostream>

#include "check/check_command.hpp"
#include "headless/guarded_main.hpp"
#include "platform/program_start.hpp"

int main(int argc, char** argv) {
  return kv884::guardedMain("kv884-check", [&](const kv884::StandardStreams&) {
    return kv884::runCheckCommand(kv884::startProgram(argc, argv), std::cout, std::cerr);
  });
}

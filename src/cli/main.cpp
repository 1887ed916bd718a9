#include <iostream>

#include "cli/query_command.hpp"
#include "headless/guarded_main.hpp"
#include "platform/program_start.hpp"

int main(int argc, char** argv) {
  return kv884::guardedMain("kv884-query", [&](const kv884::StandardStreams& streams) {
    return kv884::runQueryCommand(kv884::startProgram(argc, argv), std::cin, std::cout, std::cerr,
                                  streams);
  });
}

#include <unistd.h>

#include <iostream>

#include "cli/query_command.hpp"
#include "platform/program_start.hpp"

int main(int argc, char** argv) {
  return kv884::runQueryCommand(kv884::startProgram(argc, argv), std::cin, std::cout, std::cerr,
                                ::isatty(STDERR_FILENO) == 1);
}

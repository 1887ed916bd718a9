#include <unistd.h>

#include <iostream>

#include "cli/query_command.hpp"

int main(int argc, char** argv) {
  return kv884::runQueryCommand(std::vector<std::string>(argv + 1, argv + argc), std::cin,
                                std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}

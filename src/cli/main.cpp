#include <iostream>

#include "cli/query_command.hpp"
#include "headless/guarded_main.hpp"

int main(int argc, char** argv) {
  return kv884::guardedMain("kv884-query", [&](const kv884::StandardStreams& streams) {
    return kv884::runQueryCommand(std::vector<std::string>(argv + 1, argv + argc), std::cin,
                                  std::cout, std::cerr, streams);
  });
}

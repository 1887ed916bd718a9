#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "mkset/mkset_command.hpp"

int main(int argc, char** argv) {
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = kv884::mkset::runMkset(args, std::cout, std::cerr);
    // The summary and the help are output too: a standard output that could not take them is a
    // failed run.
    if (!std::cout.flush() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
      std::cerr << "kv884-mkset: 無法寫入標準輸出\n";
      status = status == 0 ? kv884::mkset::kExitWriteFailed : status;
    }
    return status;
  } catch (const std::exception& e) {  // anything no layer below expected, as a message
    std::cerr << "kv884-mkset: " << e.what() << "\n";
    return kv884::mkset::kExitBuildFailed;
  }
}

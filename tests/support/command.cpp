#include "support/command.hpp"

#include <algorithm>

namespace kv884::test {

std::string queryBinary() {
  return KV884_QUERY_BIN;
}

size_t lineCount(const std::string& text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace kv884::test

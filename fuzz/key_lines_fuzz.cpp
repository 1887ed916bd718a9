// The key file reader of --keys over arbitrary bytes: every line is numbered one after the other
// and kept to its bounded length, a key that is searched fits the key box, and the key as a text
// field holds no control character, so a result line always keeps its fields.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/key_lines.hpp"
#include "querywin/query_controls.hpp"

namespace {

// A crash libFuzzer reports; the property shows in the stack trace.
void require(bool property) {
  if (!property) std::abort();
}

bool holdsControlCharacter(const std::string& text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  kv884::KeyLineReader reader(in);
  kv884::KeyLine line;
  int64_t expected = 0;
  while (reader.next(line)) {
    require(line.number == ++expected);
    require(line.bytes.size() <= 64);
    const kv884::LineKey key = kv884::keyOfLine(line);
    if (key.refusal.empty()) require(key.key.size() <= size_t{kv884::kKeyBoxLimit});
    require(!holdsControlCharacter(kv884::escapedKey(key.key)));
  }
  return 0;
}

#pragma once
// Big5 encoding for the writers. encodeBig5 goes through a converter per call, which is too slow
// for a million records; this keeps each character's bytes once they have been asked for.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv884::mkset {

class Big5Encoder {
 public:
  Big5Encoder();

  // Appends the Big5 bytes of text to out. Throws std::invalid_argument naming the first
  // character that code page 950 cannot write.
  void append(std::string& out, std::u16string_view text);

  bool canEncode(char16_t c);
  // The position of the first character of text that code page 950 cannot write.
  std::optional<size_t> firstUnencodable(std::u16string_view text);

 private:
  uint32_t lookUp(char16_t c);

  // Per character: 0 = not yet asked; otherwise bit 31 set, bits 16-17 the byte count (0 for no
  // Big5 form), bits 0-15 the bytes.
  std::vector<uint32_t> cache_;
};

}  // namespace kv884::mkset

#include "mkset/big5_encoder.hpp"

#include <cstdio>
#include <stdexcept>

#include "platform/big5.hpp"

namespace kv884::mkset {

namespace {

constexpr uint32_t kKnown = 1U << 31;

uint32_t entryFor(char16_t c) {
  std::string bytes;
  try {
    bytes = encodeBig5(std::u16string_view(&c, 1));
  } catch (const std::invalid_argument&) {
    return kKnown;
  }
  if (bytes.empty() || bytes.size() > 2) return kKnown;
  uint32_t value = static_cast<unsigned char>(bytes[0]);
  if (bytes.size() == 2) value = (value << 8) | static_cast<unsigned char>(bytes[1]);
  return kKnown | (static_cast<uint32_t>(bytes.size()) << 16) | value;
}

std::string describe(char16_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

}  // namespace

Big5Encoder::Big5Encoder() : cache_(0x10000, 0) {}

uint32_t Big5Encoder::lookUp(char16_t c) {
  uint32_t& entry = cache_[c];
  if (entry == 0) entry = entryFor(c);
  return entry;
}

bool Big5Encoder::canEncode(char16_t c) {
  return c < 0x80 || ((lookUp(c) >> 16) & 3) != 0;
}

std::optional<size_t> Big5Encoder::firstUnencodable(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i)
    if (!canEncode(text[i])) return i;
  return std::nullopt;
}

void Big5Encoder::append(std::string& out, std::u16string_view text) {
  for (char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    uint32_t entry = lookUp(c);
    switch ((entry >> 16) & 3) {
      case 1:
        out += static_cast<char>(entry & 0xFF);
        break;
      case 2:
        out += static_cast<char>((entry >> 8) & 0xFF);
        out += static_cast<char>(entry & 0xFF);
        break;
      default:
        throw std::invalid_argument("character " + describe(c) + " has no Big5 form");
    }
  }
}

}  // namespace kv884::mkset

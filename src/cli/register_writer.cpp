#include "cli/register_writer.hpp"

#include <cstdint>
#include <cstring>

namespace kv884 {

void RegisterWriter::encodeRow(const ExportRow& row, std::string& bytes) const {
  bytes.clear();
  for (std::u16string_view text : row) {
    const auto length = static_cast<uint32_t>(text.size());
    bytes.append(reinterpret_cast<const char*>(&length), sizeof length);
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
  }
}

void RegisterWriter::writeEncoded(std::string_view bytes) {
  // The texts copied out whole first: the views of the row point into them.
  decoded_.resize(bytes.size() / sizeof(char16_t));
  std::memcpy(decoded_.data(), bytes.data(), decoded_.size() * sizeof(char16_t));
  ExportRow row;
  size_t at = 0;  // in bytes
  for (std::u16string_view& text : row) {
    uint32_t length = 0;
    std::memcpy(&length, bytes.data() + at, sizeof length);
    at += sizeof length;
    text = std::u16string_view(decoded_).substr(at / sizeof(char16_t), length);
    at += length * sizeof(char16_t);
  }
  writeRow(row);
}

}  // namespace kv884

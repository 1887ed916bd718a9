#pragma once
// Damage to a copy of a data set: characters of one fixed-length record rewritten in place, by
// 1-based position in the record's decoded text (a Big5 double-byte character is one position).

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/big5.hpp"
#include "platform/utf.hpp"

namespace kv884::test {

inline void patchRecord(const std::filesystem::path& file, int recordLength, int64_t recNo,
                        int position, const std::string& utf8) {
  std::fstream io(file, std::ios::binary | std::ios::in | std::ios::out);
  io.seekg((recNo - 1) * recordLength);
  std::string bytes(static_cast<size_t>(recordLength), ' ');
  io.read(bytes.data(), recordLength);
  std::u16string text = decodeBig5(bytes);
  const std::u16string with = fromUtf8(utf8);
  text.replace(static_cast<size_t>(position - 1), with.size(), with);
  bytes = encodeBig5(text);
  bytes.resize(static_cast<size_t>(recordLength), ' ');
  io.seekp((recNo - 1) * recordLength);
  io.write(bytes.data(), recordLength);
}

// Detail index records (153 bytes) of a copy of a fixture: the holder data record they name and
// the successor in each key order (kind 1 to 4).
inline constexpr int kDataRecNoAt = 38;
inline constexpr int kSuccessorAt[5] = {0, 44, 50, 62, 56};

inline std::filesystem::path detailIndexOf(const std::filesystem::path& set) {
  const std::string code = set.filename() == "basic" ? "7701" : "7702";
  return set / "ntridx" / (code + "idxd.sin");
}

inline void setDetailField(const std::filesystem::path& set, int64_t recNo, int position,
                           const std::string& text) {
  patchRecord(detailIndexOf(set), 153, recNo, position, text);
}

inline std::string detailField(const std::filesystem::path& set, int64_t recNo, int position,
                               int length) {
  std::ifstream in(detailIndexOf(set), std::ios::binary);
  in.seekg((recNo - 1) * 153);
  std::string bytes(153, ' ');
  in.read(bytes.data(), 153);
  return toUtf8(decodeBig5(bytes).substr(static_cast<size_t>(position - 1), length));
}

}  // namespace kv884::test

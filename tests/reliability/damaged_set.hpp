#pragma once
// Damaged data sets for the reliability tests: a writable copy of a fixture data set with the
// program over it, damaged byte by byte before or after opening.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_page.hpp"
#include "platform/big5.hpp"
#include "support/command.hpp"
#include "support/query_fixture.hpp"

namespace kv884::test {

namespace fs = std::filesystem;

// A copy of a fixture data set (basic: code 7701, 30 holders; wide: 7702) to damage.
class DamagedSet : public OpenedFixture {
 public:
  explicit DamagedSet(const std::string& fixture = "basic")
      : OpenedFixture(fixture), code_(fixture == "basic" ? "7701" : "7702") {}

  const fs::path& folder() const { return set; }
  fs::path descriptor() const { return set / "ntridx" / "security.txt"; }
  fs::path holderData() const { return set / "ntr" / (code_ + ".sin"); }
  fs::path keyIndex() const { return set / "ntridx" / (code_ + "idxp.sin"); }
  fs::path detailIndex() const { return set / "ntridx" / (code_ + "idxd.sin"); }
  fs::path countReport() const { return set / "ntr" / (code_ + ".ptr"); }

  // Bytes of a file read and written in place, so large sparse files stay sparse.
  static std::string readRange(const fs::path& file, size_t offset, size_t length) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::string bytes(length, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
  }
  static void patchAt(const fs::path& file, size_t offset, std::string_view bytes) {
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot patch " + file.string());
  }

  // Fields of key pages, detail records and holder data records, by character position.
  void setEntryNumber(int kind, int page, int entry, std::string_view digits) const {
    patchField(keyIndex(), kKeyPageLength, page, entryNumberField(keyKind(kind), entry), digits);
  }
  void setEntryKey(int kind, int page, int entry, std::string_view bytes) const {
    patchField(keyIndex(), kKeyPageLength, page, entryKeyField(keyKind(kind), entry), bytes);
  }
  void setDetailField(int64_t recNo, RecordField f, std::string_view bytes) const {
    patchField(detailIndex(), kDetailRecordLength, recNo, f, bytes);
  }
  void setHolderField(int64_t recNo, RecordField f, std::string_view bytes) const {
    patchField(holderData(), kHolderRecordLength, recNo, f, bytes);
  }
  std::string detailField(int64_t recNo, RecordField f) const {
    std::string record =
        readRange(detailIndex(), recordStart(recNo, kDetailRecordLength), kDetailRecordLength);
    size_t from = byteOfCharacter(record, f.position);
    return record.substr(from, byteOfCharacter(record, f.position + f.length) - from);
  }
  // The first character of a detail field keeps only its lead byte; a blank takes the place of
  // its trail byte.
  void dropTrailByte(int64_t recNo, RecordField f) const {
    setDetailField(recNo, f, detailField(recNo, {f.position, 1}).substr(0, 1) + " ");
  }

 private:
  static size_t recordStart(int64_t recNo, int length) {
    return static_cast<size_t>(recNo - 1) * static_cast<size_t>(length);
  }
  static void patchField(const fs::path& file, int length, int64_t recNo, RecordField f,
                         std::string_view bytes) {
    const size_t start = recordStart(recNo, length);
    patchAt(file, start + byteOfCharacter(readRange(file, start, length), f.position), bytes);
  }
  // Counting rule of the record texts: a lead byte followed by a trail byte is one character,
  // every other byte one character.
  static size_t byteOfCharacter(std::string_view record, int position) {
    size_t at = 0;
    for (int c = 1; c < position && at < record.size(); ++c) {
      auto b = static_cast<unsigned char>(record[at]);
      auto t = at + 1 < record.size() ? static_cast<unsigned char>(record[at + 1]) : 0;
      bool pair = b >= 0x81 && b <= 0xFE && ((t >= 0x40 && t <= 0x7E) || (t >= 0xA1 && t <= 0xFE));
      at += pair ? 2 : 1;
    }
    return at;
  }

  std::string code_;
};

inline const char* const kCliKindOf[5] = {"", "id", "account", "holder", "name"};
inline const std::u16string kWalkMiss[5] = {u"", u"MSG_1_04:無符合資料 !", u"MSG_1_05:無符合資料 !",
                                            u"MSG_1_06:無符合資料 !", u"MSG_1_07:無符合資料 !"};
inline const std::u16string kReadError = u"MSG_1_08:資料讀取錯誤 !\r\n63\r\n錯誤的記錄編號";

using Texts = std::vector<std::u16string>;

}  // namespace kv884::test

#pragma once
// A writable copy of a fixture data set (basic: code 7701, 30 holders; wide: 7702, 300) with the
// program over it: opened through the start window, searched through the query window, and
// damaged field by field as a bad disc or a faulty producer would, before or after opening.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_page.hpp"
#include "headless/headless_ui.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

namespace fs = std::filesystem;
using Texts = std::vector<std::u16string>;

class FixtureSet {
 public:
  explicit FixtureSet(const std::string& fixture = "basic");

  // Presses the open button; true when the query window loaded.
  bool open();
  QueryWindow& window() { return *program.queryWindow(); }
  // Sets the kind (1 to 4, or a caption) and the key, and presses 查詢.
  void search(int kind, const std::u16string& key);
  void search(const std::u16string& caption, const std::u16string& key);

  std::u16string folderText() const { return fromUtf8(folder.string()); }
  fs::path file(std::u16string (*path)(std::u16string_view, std::u16string_view)) const;
  fs::path descriptor() const { return folder / "ntridx" / "security.txt"; }
  fs::path holderData() const { return file(holderDataPath); }
  fs::path keyIndex() const { return file(keyIndexPath); }
  fs::path detailIndex() const { return file(detailIndexPath); }
  fs::path countReport() const { return file(countReportPath); }

  // Fields of key pages, detail records and holder data records by character position, written
  // as bytes (Big5) in place.
  void setEntryNumber(int kind, int page, int entry, std::string_view digits) const;
  void setEntryKey(int kind, int page, int entry, std::string_view bytes) const;
  void setDetailField(int64_t recNo, RecordField f, std::string_view bytes) const;
  void setHolderField(int64_t recNo, RecordField f, std::string_view bytes) const;
  // The first character of a detail field keeps only its lead byte; a blank takes the place of
  // its trail byte, so every later character moves one position.
  void dropTrailByte(int64_t recNo, RecordField f) const;

  // Bytes of a file read and written in place, so large sparse files stay sparse.
  static std::string readRange(const fs::path& file, size_t offset, size_t length);
  static void patchAt(const fs::path& file, size_t offset, std::string_view bytes);

  TempFolder temp;
  fs::path folder;
  std::u16string code;
  HeadlessUi ui;
  Program program;
};

inline const std::u16string kReadError = u"MSG_1_08:資料讀取錯誤 !\r\n63\r\n錯誤的記錄編號";

}  // namespace kv884::test

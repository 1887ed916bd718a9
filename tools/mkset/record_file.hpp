#pragma once
// A data file written front to back in large blocks, each record encoded to Big5 and padded with
// blanks to its fixed length.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace kv884::mkset {

class RecordFile {
 public:
  explicit RecordFile(const std::filesystem::path& path);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Appends text as one record of recordLength bytes; a text whose Big5 form is longer is an
  // error, as it would shift every record after it.
  void writeRecord(std::u16string_view text, size_t recordLength);
  // Appends text in Big5 as it stands (text files).
  void writeText(std::u16string_view text);

  void close();  // flushes; throws when the data did not reach the file

 private:
  void encode(std::u16string_view text);
  void flush();

  std::filesystem::path path_;
  std::FILE* file_;
  std::string buffer_;
};

}  // namespace kv884::mkset

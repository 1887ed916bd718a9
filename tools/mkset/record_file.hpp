#pragma once
// A data file written front to back, each record encoded to Big5 and padded with blanks to its
// fixed length, through the writer: the file appears only when close() found it complete.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/output_file.hpp"

namespace kv884::mkset {

class RecordFile {
 public:
  // Throws FileError when the file cannot be made.
  explicit RecordFile(const std::filesystem::path& path);

  // Appends text in Big5, padded to recordLength bytes when one is given (text files have none).
  // A text whose Big5 form is longer is an error, as it would shift every record after it.
  void write(std::u16string_view text, std::optional<size_t> recordLength = std::nullopt);

  void close();  // throws FileError when the data did not reach the file

 private:
  void flush();

  std::filesystem::path path_;
  OutputFile file_;
  std::string record_;
  std::string buffer_;
};

}  // namespace kv884::mkset

#pragma once
// A data file written front to back, each record encoded to Big5 and padded with blanks to its
// fixed length.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace kv884::mkset {

class RecordFile {
 public:
  explicit RecordFile(const std::filesystem::path& path);

  // Appends text in Big5, padded to recordLength bytes when one is given (text files have none).
  // A text whose Big5 form is longer is an error, as it would shift every record after it.
  void write(std::u16string_view text, std::optional<size_t> recordLength = std::nullopt);

  void close();  // throws when the data did not reach the file

 private:
  [[noreturn]] void fail(const std::string& what) const;

  std::filesystem::path path_;
  std::ofstream out_;
  std::string record_;
};

}  // namespace kv884::mkset

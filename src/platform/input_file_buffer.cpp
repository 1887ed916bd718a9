// Reading an open input file in one pass, whichever host opened it.

#include "platform/file_error.hpp"
#include "platform/input_file.hpp"

namespace kv884 {

InputFileBuffer::int_type InputFileBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  const size_t n = file_.read(buffer_, sizeof buffer_);
  if (n == 0) return traits_type::eof();
  setg(buffer_, buffer_, buffer_ + n);
  return traits_type::to_int_type(*gptr());
}

std::string readWhole(InputFile& file, size_t limit) {
  std::string bytes;
  char buffer[65536];
  for (size_t n; (n = file.read(buffer, sizeof buffer)) > 0;) {
    if (bytes.size() + n > limit) throw FileError(FileError::kBadRecordLength);
    bytes.append(buffer, n);
  }
  return bytes;
}

}  // namespace kv884

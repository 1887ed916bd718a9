// Reading an open input file in one pass, whichever host opened it.

#include "platform/file_error.hpp"
#include "platform/input_file.hpp"

namespace kv884 {

InputStream::InputStream(const std::string& hostPath)
    : std::istream(nullptr), file_(hostPath, InputKind::FileOrStream), buffer_(file_) {
  rdbuf(&buffer_);
  exceptions(std::ios::badbit);
}

InputStream::Buffer::int_type InputStream::Buffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  const size_t n = file.read(bytes, sizeof bytes);
  if (n == 0) return traits_type::eof();
  setg(bytes, bytes, bytes + n);
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

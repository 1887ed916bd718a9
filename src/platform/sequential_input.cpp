#include "platform/sequential_input.hpp"

#include <unistd.h>

#include <cerrno>

#include "platform/file_error.hpp"

namespace kv884 {

bool SequentialInput::fill() {
  if (pos_ < size_) return true;
  ssize_t n;
  do {
    n = ::read(fd_, buffer_, sizeof buffer_);
  } while (n < 0 && errno == EINTR);
  if (n < 0) throw FileError(FileError::kDeviceIo);
  pos_ = 0;
  size_ = static_cast<size_t>(n);
  return n > 0;
}

bool SequentialInput::atEnd() {
  return !fill();
}

int SequentialInput::get() {
  if (!fill()) return -1;
  return static_cast<unsigned char>(buffer_[pos_++]);
}

int SequentialInput::peek() {
  if (!fill()) return -1;
  return static_cast<unsigned char>(buffer_[pos_]);
}

}  // namespace kv884

#include "platform/sequential_input.hpp"

namespace kv884 {

bool SequentialInput::fill() {
  if (pos_ < size_) return true;
  pos_ = 0;
  size_ = file_.read(buffer_, sizeof buffer_);
  return size_ > 0;
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

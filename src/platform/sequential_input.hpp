#pragma once
// A file opened for sequential text input: bytes read one at a time through a buffer, so the
// line and item readers can look one byte ahead.

#include <string>

#include "platform/input_file.hpp"

namespace kv884 {

class SequentialInput {
 public:
  explicit SequentialInput(InputFile& file) : file_(file) {}

  bool atEnd();
  int get();   // the next byte, or -1 at the end of the file
  int peek();  // the next byte without taking it, or -1

 private:
  bool fill();

  InputFile& file_;
  char buffer_[8192];
  size_t pos_{0};
  size_t size_{0};
};

}  // namespace kv884

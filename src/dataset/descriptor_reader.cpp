#include "dataset/descriptor_reader.hpp"

#include "platform/big5.hpp"
#include "platform/file_error.hpp"

namespace kv884 {

namespace {

bool isLineBreak(int c) {
  return c == '\r' || c == '\n';
}

void skipToSeparator(SequentialInput& in) {
  while (in.peek() != -1 && in.peek() != ',' && !isLineBreak(in.peek())) in.get();
}

}  // namespace

std::u16string readDescriptorItem(SequentialInput& in) {
  while (in.peek() == ' ' || isLineBreak(in.peek())) in.get();
  if (in.peek() == -1) throw FileError(FileError::kInputPastEnd);

  std::string bytes;
  if (in.peek() == '"') {
    in.get();
    while (in.peek() != -1 && in.peek() != '"') bytes += static_cast<char>(in.get());
    if (in.peek() == '"') in.get();
    skipToSeparator(in);
  } else {
    while (in.peek() != -1 && in.peek() != ',' && !isLineBreak(in.peek()))
      bytes += static_cast<char>(in.get());
    while (!bytes.empty() && bytes.back() == ' ') bytes.pop_back();
  }
  in.get();  // the separator; the LF of a CR LF is skipped before the next item
  return decodeBig5(bytes);
}

}  // namespace kv884

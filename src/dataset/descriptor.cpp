#include "dataset/descriptor.hpp"

#include <stdexcept>

#include "platform/big5.hpp"
#include "platform/file_error.hpp"
#include "platform/host_path.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace {

bool isLineBreak(int c) {
  return c == '\r' || c == '\n';
}

void skipToSeparator(SequentialInput& in) {
  while (in.peek() != -1 && in.peek() != ',' && !isLineBreak(in.peek())) in.get();
}

void append(std::string& bytes, int c) {
  if (bytes.size() == kDescriptorItemLimit) throw FileError(FileError::kBadRecordLength);
  bytes += static_cast<char>(c);
}

// The longest name a code forms is the code followed by "idxp.sin".
constexpr size_t kLongestCodeBytes = 255 - 8;

bool isPlainStem(std::u16string_view code) {
  if (code.find(u"..") != std::u16string_view::npos) return false;
  for (char16_t c : code)
    if (c < 0x20 || c == 0x7F || c == u'/' || c == u'\\') return false;
  return hostBytesOf(code).size() <= kLongestCodeBytes;
}

}  // namespace

std::u16string readDescriptorItem(SequentialInput& in) {
  while (in.peek() == ' ' || isLineBreak(in.peek())) in.get();
  if (in.peek() == -1) throw FileError(FileError::kInputPastEnd);

  std::string bytes;
  if (in.peek() == '"') {
    in.get();
    while (in.peek() != -1 && in.peek() != '"') append(bytes, in.get());
    if (in.peek() == '"') in.get();
    skipToSeparator(in);
  } else {
    while (in.peek() != -1 && in.peek() != ',' && !isLineBreak(in.peek())) append(bytes, in.get());
    while (!bytes.empty() && bytes.back() == ' ') bytes.pop_back();
  }
  in.get();  // the separator; the LF of a CR LF is skipped before the next item
  return decodeBig5(bytes);
}

std::u16string readSecurityCode(SequentialInput& in) {
  std::u16string code = readDescriptorItem(in);
  if (!isPlainStem(code)) throw FileError(FileError::kBadFileNameOrNumber);
  return code;
}

std::u16string descriptorText(const SecurityItems& items) {
  auto quoted = [](std::u16string_view item, const char* what) {
    if (item.find_first_of(u"\"\r\n") != std::u16string_view::npos)
      throw std::invalid_argument(
          std::string("the ") + what + " \"" + toUtf8(item) +
          "\" holds a double quote or a line break, which the descriptor cannot carry");
    return u"\"" + std::u16string(item) + u"\"";
  };
  return quoted(items.code, "security code") + u"," + quoted(items.name, "security name") + u"," +
         quoted(items.dataDate, "data date") + u"," + quoted(items.decimalFlag, "decimal flag") +
         u"\r\n";
}

}  // namespace kv884

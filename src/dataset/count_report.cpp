#include "dataset/count_report.hpp"

#include "platform/big5.hpp"
#include "platform/file_error.hpp"

namespace kv884 {

std::u16string readReportLine(SequentialInput& in) {
  if (in.atEnd()) throw FileError(FileError::kInputPastEnd);
  std::string bytes;
  for (int c = in.get(); c != -1; c = in.get()) {
    if (c == '\r') {
      if (in.peek() == '\n') in.get();
      break;
    }
    bytes += static_cast<char>(c);
  }
  return decodeBig5(bytes);
}

void requireReportLength(int64_t length) {
  if (length > kCountReportLimit) throw FileError(FileError::kBadRecordLength);
}

std::u16string reportWindowLine(const std::u16string& line) {
  return u"\r\n  " + line;
}

std::u16string countReportText(std::u16string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool crLf = text.substr(i, 2) == u"\r\n";
    out += text[i] == u'\r' || text[i] == u'\n' ? std::u16string_view(u"\r\n") : text.substr(i, 1);
    i += crLf;
  }
  return out;
}

}  // namespace kv884

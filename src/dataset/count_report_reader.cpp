#include "dataset/count_report_reader.hpp"

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

}  // namespace kv884

// The count report reader over arbitrary bytes, as the report button reads it: each line is the
// bytes up to its CR or CR LF (a last piece without one included), decoded; after the last line
// the reading ends with error 62.

#include <string_view>

#include "dataset/count_report_reader.hpp"
#include "memory_file.hpp"
#include "platform/big5.hpp"
#include "platform/file_error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kv884;
  fuzz::MemoryFile file(data, size);
  SequentialInput in(file.fd());
  for (std::string_view rest(reinterpret_cast<const char*>(data), size); !rest.empty();) {
    size_t end = std::min(rest.find('\r'), rest.size());
    if (readReportLine(in) != decodeBig5(rest.substr(0, end)))
      fuzz::fail("a report line is not the bytes up to its terminator");
    if (end < rest.size()) end += rest.substr(end, 2) == "\r\n" ? 2 : 1;
    rest.remove_prefix(end);
  }
  try {
    readReportLine(in);
    fuzz::fail("a line read after the end");
  } catch (const FileError& e) {
    if (e.number() != 62) fuzz::fail("reading past the end is not error 62");
  }
  return 0;
}

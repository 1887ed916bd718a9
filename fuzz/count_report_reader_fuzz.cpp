// The count report reader over arbitrary bytes, as the report button reads it: lines until the
// end of the file. The lines are exactly the pieces between CR or CR LF terminators (a last piece
// without one included), none holds a CR, and the reading ends.

#include <cstddef>
#include <cstdint>

#include "dataset/count_report_reader.hpp"
#include "memory_file.hpp"
#include "platform/file_error.hpp"

namespace {

// The number of lines the bytes hold by the reading rule: a line ends at CR or CR LF.
size_t expectedLines(const uint8_t* data, size_t size) {
  size_t lines = 0;
  size_t i = 0;
  while (i < size) {
    while (i < size && data[i] != '\r') ++i;
    if (i < size) {
      ++i;
      if (i < size && data[i] == '\n') ++i;
    }
    ++lines;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kv884;
  fuzz::MemoryFile file(data, size);
  SequentialInput in(file.fd());
  size_t lines = 0;
  std::u16string windowText;
  while (!in.atEnd()) {
    std::u16string line = readReportLine(in);
    if (line.find(u'\r') != std::u16string::npos) fuzz::fail("a report line holds a CR");
    windowText += reportWindowLine(line);
    if (++lines > size) fuzz::fail("a report line read without taking a byte");
  }
  if (lines != expectedLines(data, size)) fuzz::fail("report lines differ from the terminators");
  try {
    readReportLine(in);
    fuzz::fail("a line read after the end");
  } catch (const FileError& e) {
    if (e.number() != 62) fuzz::fail("reading past the end is not error 62");
  }
  return 0;
}

#pragma once
// The count report: lines of Big5 text. A line ends at CR or CR LF when read (a lone LF stays in
// the line, and a last line without a terminator is read as well); every line ends with CR LF
// when written.

#include <cstdint>
#include <string>

#include "platform/sequential_input.hpp"

namespace kv884 {

// The next line, decoded from Big5, without its terminator. Throws FileError 62 at the end.
std::u16string readReportLine(SequentialInput& input);

// The count report of length bytes is read only up to this bound, far above any real report
// (a few kilobytes); beyond it FileError 59, rather than memory for a window text of any size.
inline constexpr int64_t kCountReportLimit = 1 << 20;
void requireReportLength(int64_t length);

// The text one line adds to the report window: CR LF, two blanks, the line.
std::u16string reportWindowLine(const std::u16string& line);

// The report's text as written: every line break (LF, CR LF or CR) as CR LF.
std::u16string countReportText(std::u16string_view text);

}  // namespace kv884

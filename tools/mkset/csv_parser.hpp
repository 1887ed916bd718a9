#pragma once
// Comma-separated values as spreadsheets write them: a field in double quotes may hold commas,
// line breaks and doubled quotes; lines end with LF, CR LF or CR. Fields are kept exactly as
// written (no blanks removed), because blanks are data in the register's fields.

#include <string>
#include <string_view>
#include <vector>

namespace kv884::mkset {

struct CsvRow {
  size_t line;  // 1-based line on which the row begins
  std::vector<std::string> fields;
};

// Rows of text (UTF-8, a leading byte order mark skipped); empty lines are skipped. Throws
// MksetError for a quote that is never closed or text after a closing quote.
std::vector<CsvRow> parseCsv(std::string_view text);

}  // namespace kv884::mkset

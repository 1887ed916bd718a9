// The CSV reader: the fields of each row exactly as written, and the line each row begins on.

#include <gtest/gtest.h>

#include "mkset/csv_parser.hpp"

namespace kv884::mkset {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvParser, QuotesLineEndsAndByteOrderMarkGiveTheFieldsAsWritten) {
  const struct {
    const char* text;
    std::vector<Fields> rows;
    size_t lastLine;
  } cases[] = {
      {"a,\"b, c\",\"say \"\"hi\"\"\"", {{"a", "b, c", "say \"hi\""}}, 1},
      {"x\r\n\"two\nlines\",,x\n\nlast, blank ",
       {{"x"}, {"two\nlines", "", "x"}, {"last", " blank "}},
       5},
      {"\xEF\xBB\xBFid\rx", {{"id"}, {"x"}}, 2},
  };
  for (const auto& c : cases) {
    std::vector<CsvRow> rows = parseCsv(c.text);
    ASSERT_EQ(rows.size(), c.rows.size()) << c.text;
    for (size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(rows[r].fields, c.rows[r]) << c.text;
    EXPECT_EQ(rows.back().line, c.lastLine) << c.text;
  }
}

}  // namespace
}  // namespace kv884::mkset

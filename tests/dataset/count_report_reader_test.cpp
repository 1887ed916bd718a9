#include "dataset/count_report_reader.hpp"

#include <gtest/gtest.h>

#include "dataset/data_paths.hpp"
#include "platform/file_table.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

using test::TempFolder;
using Lines = std::vector<std::u16string>;

// Every line of a count report holding bytes, read as the report window reads them.
Lines readLines(const std::string& bytes) {
  TempFolder tmp;
  test::writeFile(tmp.path() / "ntr" / "7701.ptr", bytes);
  FileTable files;
  files.openInput(kCountReportFile, countReportPath(tmp.text(), u"7701"));
  SequentialInput& in = files.input(kCountReportFile);
  Lines lines;
  while (!in.atEnd()) lines.push_back(readReportLine(in));
  return lines;
}

TEST(CountReportLines, CrOrCrLfEndsALineAndEachLineIsDecodedFromBig5) {
  for (auto [bytes, lines] : std::vector<std::pair<std::string, Lines>>{
           {"", {}},
           // The last line is read with or without its terminator.
           {"ABC", {u"ABC"}},
           {"ABC\r\n", {u"ABC"}},
           {"ABC\r\n\r\nD", {u"ABC", u"", u"D"}},
           // A CR alone ends a line, but an LF alone stays in it.
           {"A\rB\r", {u"A", u"B"}},
           {"A\nB\n", {u"A\nB\n"}},
           {"A\r\r\nB", {u"A", u"", u"B"}},
           {"\xA6X\xADp  30\r\n\xFA\x40", {u"合計  30", u"\uE000"}}}) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(readLines(bytes), lines);
  }
}

TEST(CountReportLines, FixtureReportGivesTheExpectedWindowText) {
  std::u16string text;
  for (const std::u16string& line :
       readLines(test::readFile(test::fixturePath("basic") / "ntr" / "7701.ptr")))
    text += reportWindowLine(line);
  EXPECT_EQ(toUtf8(text), test::readFile(test::fixturePath("basic") / "report.expected.txt"));
}

}  // namespace
}  // namespace kv884

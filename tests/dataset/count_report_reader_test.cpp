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

TEST(CountReportLines, EmptyFileHasNoLines) {
  EXPECT_TRUE(readLines("").empty());
}

TEST(CountReportLines, LastLineIsReadWithOrWithoutItsTerminator) {
  EXPECT_EQ(readLines("ABC"), Lines{u"ABC"});
  EXPECT_EQ(readLines("ABC\r\n"), Lines{u"ABC"});
  EXPECT_EQ(readLines("ABC\r\n\r\nD"), (Lines{u"ABC", u"", u"D"}));
}

TEST(CountReportLines, CrAloneEndsALineButLfAloneStaysInIt) {
  EXPECT_EQ(readLines("A\rB\r"), (Lines{u"A", u"B"}));
  EXPECT_EQ(readLines("A\nB\n"), Lines{u"A\nB\n"});
  EXPECT_EQ(readLines("A\r\r\nB"), (Lines{u"A", u"", u"B"}));
}

TEST(CountReportLines, EachLineIsDecodedFromBig5) {
  EXPECT_EQ(readLines("\xA6X\xADp  30\r\n\xFA\x40"), (Lines{u"合計  30", u"\uE000"}));
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

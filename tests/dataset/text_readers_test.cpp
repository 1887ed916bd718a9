// The two text files of the data set, read item by item (the descriptor) and line by line (the
// count report).

#include <gtest/gtest.h>

#include "dataset/count_report.hpp"
#include "dataset/descriptor.hpp"
#include "platform/file_error.hpp"
#include "platform/file_table.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

using Items = std::vector<std::u16string>;

// A file holding bytes, open for sequential input.
struct TextFile {
  explicit TextFile(const std::string& bytes) {
    test::writeFile(tmp.path() / "file", bytes);
    files.openInput(1, tmp.text() + u"/file");
  }
  SequentialInput& in() { return files.input(1); }

  test::TempFolder tmp;
  FileTable files;
};

TEST(DescriptorItems, EveryLayoutGivesTheFourItemsAndAnEarlyEndError62) {
  const std::string name = "\xB8s\xACP\xA4\xF4\xAA\x64";  // 群星水泥
  const Items basic{u"7701", u"群星水泥", u"20150115", u"Y"};
  for (auto [bytes, items] : std::vector<std::pair<std::string, Items>>{
           {"\"7701\",\"" + name + "\",\"20150115\",\"Y\"\r\nignored", basic},
           {"7701\r\n" + name + "\r\n20150115\r\nY\r\n", basic},
           {"7701\r" + name + "\n20150115,\"Y\"", basic},  // a lone CR or LF separates too
           // Blanks before items and line breaks between them are skipped, trailing ones cut.
           {"   7701 ,  \"" + name + "\"\r\n\r\n  20150115  \r\n\r\n Y", basic},
           // A quoted item keeps commas and blanks; text after its closing quote is skipped.
           {"\"77,01\",\"A, B \"junk,\" 2015\"xx\r\n\" Y\"", {u"77,01", u"A, B ", u" 2015", u" Y"}},
           {"7701,,20150115,Y", {u"7701", u"", u"20150115", u"Y"}},
           {"7701,N,D,\"Y", {u"7701", u"N", u"D", u"Y"}},  // the last quote left open
           {"\"7701\",\"N\",\"20150115\"\r\n", {u"7701", u"N", u"20150115", u"error 62"}}}) {
    SCOPED_TRACE(bytes);
    TextFile file(bytes);
    Items read;
    try {
      while (read.size() < 4) read.push_back(readDescriptorItem(file.in()));
    } catch (const FileError& e) {
      read.push_back(u"error " + fromUtf8(std::to_string(e.number())));
    }
    EXPECT_EQ(read, items);
  }
}

TEST(CountReportLines, CrOrCrLfEndsALineALoneLfStaysEachLineDecodedAndIndented) {
  for (auto [bytes, text] : std::vector<std::pair<std::string, std::u16string>>{
           {"", u""},
           {"ABC", u"\r\n  ABC"},
           {"ABC\r\n", u"\r\n  ABC"},
           {"A\r\r\nB\rC", u"\r\n  A\r\n  \r\n  B\r\n  C"},
           {"A\nB\n", u"\r\n  A\nB\n"},
           {"\xA6X\xADp  30\r\n\xFA\x40", u"\r\n  合計  30\r\n  \uE000"}}) {
    TextFile file(bytes);
    std::u16string read;
    while (!file.in().atEnd()) read += reportWindowLine(readReportLine(file.in()));
    EXPECT_EQ(read, text) << bytes;
  }
}

}  // namespace
}  // namespace kv884

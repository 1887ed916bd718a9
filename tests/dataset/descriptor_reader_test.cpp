#include "dataset/descriptor_reader.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "dataset/data_paths.hpp"
#include "platform/file_error.hpp"
#include "platform/file_table.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

using test::TempFolder;
using Items = std::vector<std::u16string>;

// The items of a descriptor holding bytes, read as the opening reads them: four at most.
Items readItems(const std::string& bytes, int count = 4) {
  TempFolder tmp;
  test::writeFile(tmp.path() / "ntridx" / "security.txt", bytes);
  FileTable files;
  files.openInput(kDescriptorFile, descriptorPath(tmp.text()));
  Items items;
  for (int i = 0; i < count; ++i) items.push_back(readDescriptorItem(files.input(kDescriptorFile)));
  return items;
}

const Items kBasic{u"7701", u"群星水泥", u"20150115", u"Y"};

TEST(DescriptorItems, ItemsReadFromEachLayout) {
  const std::string name = "\xB8s\xACP\xA4\xF4\xAA\x64";  // 群星水泥
  for (auto [bytes, items] : std::vector<std::pair<std::string, Items>>{
           // One line of quoted items, four unquoted lines, and a mixture read alike.
           {"\"7701\",\"" + name + "\",\"20150115\",\"Y\"\r\n", kBasic},
           {"7701\r\n" + name + "\r\n20150115\r\nY\r\n", kBasic},
           {"7701,\"" + name + "\"\r\n20150115,Y", kBasic},
           // A lone CR or LF separates items.
           {"7701\r" + name + "\r20150115\rY", kBasic},
           {"7701\n" + name + "\n20150115\nY\n", kBasic},
           // Blanks before items and line breaks between them are skipped.
           {"   7701 ,  \"" + name + "\"\r\n\r\n  20150115  \r\n\r\n Y", kBasic},
           // A quoted item keeps commas and blanks; text after its closing quote is skipped.
           {"\"77,01\",\"A, B \"junk,\" 20150115\"xx\r\n\" Y\"",
            Items{u"77,01", u"A, B ", u" 20150115", u" Y"}},
           // An empty item between commas is an item.
           {"7701,,20150115,Y", Items{u"7701", u"", u"20150115", u"Y"}},
           // The fixtures' descriptors.
           {test::readFile(test::fixturePath("basic") / "ntridx" / "security.txt"), kBasic},
           {test::readFile(test::fixturePath("wide") / "ntridx" / "security.txt"),
            Items{u"7702", u"明日科技", u"104/01/20", u"N"}}}) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(readItems(bytes), items);
  }
}

TEST(DescriptorItems, FileEndingBeforeTheFourthItemIsError62AfterThreeItems) {
  TempFolder tmp;
  test::writeFile(tmp.path() / "ntridx" / "security.txt", "\"7701\",\"N\",\"20150115\"\r\n");
  FileTable files;
  files.openInput(kDescriptorFile, descriptorPath(tmp.text()));
  SequentialInput& in = files.input(kDescriptorFile);
  EXPECT_EQ(readDescriptorItem(in), u"7701");
  EXPECT_EQ(readDescriptorItem(in), u"N");
  EXPECT_EQ(readDescriptorItem(in), u"20150115");
  try {
    readDescriptorItem(in);
    FAIL() << "read a fourth item";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number(), 62);
    EXPECT_EQ(e.description(), u"輸入超過檔案結尾");
  }
}

}  // namespace
}  // namespace kv884

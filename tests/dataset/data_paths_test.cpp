#include "dataset/data_paths.hpp"

#include <gtest/gtest.h>

#include "platform/file_error.hpp"
#include "platform/file_table.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

TEST(DataPaths, AreThePlainConcatenationOfFolderAndRelativePart) {
  EXPECT_EQ(indexFolderPath(u"D:\\DATA"), u"D:\\DATA\\ntridx");
  EXPECT_EQ(descriptorPath(u"D:\\DATA"), u"D:\\DATA\\ntridx\\security.txt");
  EXPECT_EQ(holderDataPath(u"D:\\DATA", u"1234"), u"D:\\DATA\\ntr\\1234.sin");
  EXPECT_EQ(keyIndexPath(u"D:\\DATA", u"1234"), u"D:\\DATA\\ntridx\\1234idxp.sin");
  EXPECT_EQ(detailIndexPath(u"D:\\DATA", u"1234"), u"D:\\DATA\\ntridx\\1234idxd.sin");
  EXPECT_EQ(countReportPath(u"D:\\DATA", u"1234"), u"D:\\DATA\\ntr\\1234.ptr");
}

TEST(DataPaths, FolderTextIsUsedUnchangedEvenEndingInASeparatorOrEmpty) {
  EXPECT_EQ(descriptorPath(u"E:\\"), u"E:\\\\ntridx\\security.txt");
  EXPECT_EQ(holderDataPath(u" dir ", u"7701"), u" dir \\ntr\\7701.sin");
  EXPECT_EQ(descriptorPath(u""), u"\\ntridx\\security.txt");
  EXPECT_EQ(keyIndexPath(u"", u""), u"\\ntridx\\idxp.sin");
  EXPECT_EQ(countReportPath(u"D:", u""), u"D:\\ntr\\.ptr");
}

TEST(DataPaths, FolderTextEndingInASeparatorOpensTheDataSet) {
  test::TempFolder tmp;
  test::copyFixture("basic", tmp.path());
  std::u16string folder = tmp.text() + u"/basic/";
  FileTable files;
  files.openRecords(kHolderDataFile, holderDataPath(folder, u"7701"), kHolderRecordLength);
  files.openRecords(kKeyIndexFile, keyIndexPath(folder, u"7701"), kKeyPageLength);
  EXPECT_EQ(files.recordCount(kHolderDataFile), 30);
  EXPECT_EQ(files.recordCount(kKeyIndexFile), 24);
}

TEST(DataPaths, EmptyCodeNamesAreTriedAsTheyStand) {
  test::TempFolder tmp;
  test::writeFile(tmp.path() / "ntr" / ".sin", std::string(122, ' '));
  FileTable files;
  EXPECT_NO_THROW(files.openRecords(kHolderDataFile, holderDataPath(tmp.text(), u""), 122));
  try {
    files.openRecords(kKeyIndexFile, keyIndexPath(tmp.text(), u""), 1800);
    FAIL() << "opened a missing index file";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number(), 76);  // the ntridx folder is missing
  }
}

}  // namespace
}  // namespace kv884

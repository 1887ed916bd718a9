#include "platform/host_path.hpp"

#include <gtest/gtest.h>

#include "platform/file_table.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

using test::TempFolder;
using test::writeFile;

std::string readWhole(FileTable& files, int no) {
  return files.readRecord(no, 1);
}

TEST(HostPathMapping, BackslashAndDoubledSeparatorsReachTheFile) {
  TempFolder tmp;
  writeFile(tmp.path() / "ntridx" / "security.txt", "x");
  std::u16string folder = tmp.text();
  for (std::u16string formed :
       {folder + u"\\ntridx\\security.txt", folder + u"\\\\ntridx\\security.txt",
        folder + u"/ntridx//security.txt"}) {
    FileTable files;
    EXPECT_NO_THROW(files.openRecords(1, formed, 1)) << toUtf8(formed);
    EXPECT_EQ(readWhole(files, 1), "x");
  }
}

TEST(HostPathMapping, UpperCaseNamesOnDiscAreFoundAndNameExistsFindsFoldersAndFilesOnly) {
  TempFolder tmp;
  writeFile(tmp.path() / "NTRIDX" / "7701IDXP.SIN", "p");
  writeFile(tmp.path() / "ntr" / "7701.sin", "");
  FileTable files;
  files.openRecords(1, tmp.text() + u"\\ntridx\\7701idxp.sin", 1);
  EXPECT_EQ(readWhole(files, 1), "p");
  for (auto [name, exists] :
       std::vector<std::pair<std::u16string, bool>>{{u"\\ntridx", true},
                                                    {u"\\ntr", true},
                                                    {u"\\ntr\\7701.sin", true},
                                                    {u"\\ntridx\\7701.sin", false},
                                                    {u"\\ntr\\7701.sin\\x", false},
                                                    {u"\\none", false}})
    EXPECT_EQ(nameExists(tmp.text() + name), exists) << toUtf8(name);
}

TEST(HostPathMapping, PathFromEmptyFolderStartsAtTheRoot) {
  HostPath host = mapHostPath(u"\\ntridx\\security.txt");
  EXPECT_EQ(host.path.front(), '/');
  EXPECT_EQ(host.path.substr(host.path.size() - 12), "security.txt");
}

}  // namespace
}  // namespace kv884

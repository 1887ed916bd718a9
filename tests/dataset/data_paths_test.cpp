#include "dataset/data_paths.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

TEST(DataPaths, FolderTextIsJoinedUnchangedEmptyOrEndingInASeparatorAndEmptyCodesStay) {
  EXPECT_EQ(indexFolderPath(u"D:\\DATA"), u"D:\\DATA\\ntridx");
  EXPECT_EQ(descriptorPath(u"E:\\"), u"E:\\\\ntridx\\security.txt");
  EXPECT_EQ(holderDataPath(u" dir ", u"1234"), u" dir \\ntr\\1234.sin");
  EXPECT_EQ(keyIndexPath(u"D:", u"1234"), u"D:\\ntridx\\1234idxp.sin");
  EXPECT_EQ(detailIndexPath(u"", u"1234"), u"\\ntridx\\1234idxd.sin");
  EXPECT_EQ(countReportPath(u"D:", u""), u"D:\\ntr\\.ptr");
}

}  // namespace
}  // namespace kv884

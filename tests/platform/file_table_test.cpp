#include "platform/file_table.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_error.hpp"
#include "platform/host_path.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

namespace fs = std::filesystem;
using test::writeFile;

// "number description" of the FileError that f throws, or "" when it throws none.
template <typename F>
std::string errorOf(F f) {
  try {
    f();
  } catch (const FileError& e) {
    return std::to_string(e.number()) + " " + toUtf8(e.description());
  }
  return "";
}

TEST(FileTable, FormedPathReachesItsFileOrFailsWithTheRightNumberWithoutBlocking) {
  test::TempFolder tmp;
  writeFile(tmp.path() / "NTRIDX" / "7701IDXP.SIN", "p");  // as a disc burned elsewhere names it
  fs::create_directories(tmp.path() / "ntr" / "7701.sin");
  ASSERT_EQ(::mkfifo((tmp.path() / "NTRIDX" / "fifo").c_str(), 0600), 0);
  for (auto [formed, error, exists] : std::vector<std::tuple<std::u16string, std::string, bool>>{
           {u"\\ntridx\\7701idxp.sin", "", true},
           {u"\\\\ntridx//7701IDXP.sin", "", true},  // a doubled separator counts once
           {u"\\ntridx\\7701idxd.sin", "53 找不到檔案", false},
           {u"\\none\\7701idxd.sin", "76 找不到路徑", false},
           {u"\\ntridx\\7701idxp.sin\\x", "76 找不到路徑", false},
           {u"\\ntr\\7701.sin", "75 路徑/檔案存取錯誤", true},    // a folder in a file's place
           {u"\\ntridx\\fifo", "75 路徑/檔案存取錯誤", true}}) {  // a pipe nobody writes into
    FileTable files;
    EXPECT_EQ(errorOf([&] { files.openRecords(3, tmp.text() + formed, 1); }), error)
        << toUtf8(formed);
    if (error.empty()) {
      EXPECT_EQ(files.readRecord(3, 1), "p");
    }
    EXPECT_EQ(errorOf([&] { files.openInput(15, tmp.text() + formed); }), error);
    EXPECT_EQ(nameExists(tmp.text() + formed), exists);
  }
  EXPECT_EQ(errorOf([] { FileTable().openRecords(3, u"/dev/zero", 1); }), "75 路徑/檔案存取錯誤");
  EXPECT_EQ(mapHostPath(u"\\ntridx\\security.txt").path, "/ntridx/security.txt");  // no folder
}

TEST(FileTable, RecordsByOneBasedNumberLastPaddedOthers63FilesReadOnlyNumbersOnce) {
  test::TempFolder tmp;
  writeFile(tmp.path() / "f", "1111122222333");
  FileTable files;
  files.openRecords(1, tmp.text() + u"/f", 5);
  std::vector<int64_t> reads;  // the observer hears of successful reads only
  files.setReadObserver([&](int, int64_t recNo) { reads.push_back(recNo); });
  EXPECT_EQ(files.recordCount(1), 3);
  std::string records;
  for (int64_t recNo : {1, 2, 3}) records += files.readRecord(1, recNo);
  EXPECT_EQ(records, "1111122222333  ");
  for (int64_t recNo : {0, -1, 4})
    EXPECT_EQ(errorOf([&] { files.readRecord(1, recNo); }), "63 錯誤的記錄編號") << recNo;
  EXPECT_EQ(reads, (std::vector<int64_t>{1, 2, 3}));
  EXPECT_EQ(errorOf([&] { files.openInput(1, tmp.text() + u"/f"); }), "55 檔案已經開啟");
  files.openInput(14, tmp.text() + u"/f");
  int readOnly = 0;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (fs::read_symlink(entry.path(), ec) == tmp.path() / "f")
      readOnly += (::fcntl(std::stoi(entry.path().filename()), F_GETFL) & O_ACCMODE) == O_RDONLY;
  }
  EXPECT_EQ(readOnly, 2);
  files.close(2);  // closing an unopened number does nothing
  files.close(1);
  EXPECT_EQ(files.openNumbers(), std::vector<int>{14});
  EXPECT_EQ(errorOf([&] { files.readRecord(1, 1); }), "52 錯誤的檔案名稱或數目");
  files.closeAll();
  EXPECT_TRUE(files.openNumbers().empty());
}

}  // namespace
}  // namespace kv884

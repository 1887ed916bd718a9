#include "platform/file_table.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "platform/file_error.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::writeFile;

std::u16string formed(const fs::path& path) {
  return fromUtf8(path.string());
}

// The error number and description that opening path for records gives, or "" when it opens.
std::string openError(const fs::path& path) {
  FileTable files;
  try {
    files.openRecords(3, formed(path), 122);
  } catch (const FileError& e) {
    return std::to_string(e.number()) + " " + toUtf8(e.description());
  }
  return "";
}

int readError(FileTable& files, int no, int64_t recNo) {
  try {
    files.readRecord(no, recNo);
  } catch (const FileError& e) {
    return e.number();
  }
  return 0;
}

TEST(FileTableOpening, ReportsMissingFileMissingFolderAndWhatIsNoFileInPlaceOfOne) {
  TempFolder tmp;
  fs::create_directories(tmp.path() / "ntr" / "7701.sin");
  fs::create_directories(tmp.path() / "ntridx");
  writeFile(tmp.path() / "plain", "");
  ASSERT_EQ(::mkfifo((tmp.path() / "ntridx" / "7701idxp.sin").c_str(), 0600), 0);
  EXPECT_EQ(openError(tmp.path() / "ntridx" / "7701idxd.sin"), "53 找不到檔案");
  EXPECT_EQ(openError(tmp.path() / "none" / "7701idxd.sin"), "76 找不到路徑");
  EXPECT_EQ(openError(tmp.path() / "ntr" / "7701.sin"), "75 路徑/檔案存取錯誤");
  // A named pipe nobody writes into: refused at once instead of waiting for a writer forever.
  EXPECT_EQ(openError(tmp.path() / "ntridx" / "7701idxp.sin"), "75 路徑/檔案存取錯誤");
  EXPECT_EQ(openError("/dev/zero"), "75 路徑/檔案存取錯誤");
  EXPECT_EQ(openError(tmp.path() / "plain" / "x"), "76 找不到路徑");

  FileTable files;
  try {
    files.openInput(15, formed(tmp.path() / "ntridx" / "security.txt"));
    FAIL() << "opened a missing file";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number(), 53);
    EXPECT_EQ(e.description(), u"找不到檔案");
  }
  EXPECT_FALSE(files.isOpen(15));
  EXPECT_FALSE(fs::exists(tmp.path() / "ntridx" / "security.txt")) << "opening created the file";
}

TEST(FileTableOpening, FilesAreOpenedReadOnly) {
  TempFolder tmp;
  fs::path file = tmp.path() / "7701.sin";
  writeFile(file, std::string(244, 'x'));
  FileTable files;
  files.openRecords(3, formed(file), 122);
  files.openInput(14, formed(file));
  int found = 0;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    fs::path target = fs::read_symlink(entry.path(), ec);
    if (ec || target != fs::canonical(file)) continue;
    int flags = ::fcntl(std::stoi(entry.path().filename().string()), F_GETFL);
    EXPECT_EQ(flags & O_ACCMODE, O_RDONLY);
    ++found;
  }
  EXPECT_EQ(found, 2);
}

TEST(FileTableRecords, ReadsByOneBasedNumberPadsAPartialLastRecordAndRefusesOthersWith63) {
  TempFolder tmp;
  writeFile(tmp.path() / "f", "1111122222333");
  writeFile(tmp.path() / "empty", "");
  FileTable files;
  files.openRecords(1, formed(tmp.path() / "f"), 5);
  files.openRecords(2, formed(tmp.path() / "empty"), 5);
  std::vector<int64_t> reads;  // the observer hears of successful reads only
  files.setReadObserver([&](int, int64_t recNo) { reads.push_back(recNo); });
  EXPECT_EQ(files.length(1), 13);
  EXPECT_EQ(files.recordLength(1), 5);
  EXPECT_EQ(files.recordCount(1), 3);
  EXPECT_EQ(files.readRecord(1, 1), "11111");
  EXPECT_EQ(files.readRecord(1, 2), "22222");
  EXPECT_EQ(files.readRecord(1, 3), "333  ");
  for (int64_t recNo : {0, -1, 4, 999999}) EXPECT_EQ(readError(files, 1, recNo), 63) << recNo;
  EXPECT_EQ(files.recordCount(2), 0);
  EXPECT_EQ(readError(files, 2, 1), 63);
  EXPECT_EQ(reads, (std::vector<int64_t>{1, 2, 3}));
}

TEST(FileTableNumbers, SameNumberTwiceIsError55ClosingFreesANumberForReuse) {
  TempFolder tmp;
  writeFile(tmp.path() / "a", "AAAA");
  writeFile(tmp.path() / "b", "BBBB");
  FileTable files;
  files.openRecords(1, formed(tmp.path() / "a"), 4);
  try {
    files.openRecords(1, formed(tmp.path() / "b"), 4);
    FAIL() << "opened number 1 twice";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number(), 55);
  }
  EXPECT_EQ(files.readRecord(1, 1), "AAAA");  // the first file stays open
  EXPECT_NO_THROW(files.close(2));            // closing an unopened number does nothing
  EXPECT_EQ(files.openNumbers(), std::vector<int>{1});
  files.close(1);
  EXPECT_FALSE(files.isOpen(1));
  EXPECT_EQ(readError(files, 1, 1), 52);
  files.openRecords(1, formed(tmp.path() / "b"), 4);
  EXPECT_EQ(files.readRecord(1, 1), "BBBB");
  files.closeAll();
  EXPECT_TRUE(files.openNumbers().empty());
}

}  // namespace
}  // namespace kv884

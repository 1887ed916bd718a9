// The file layer on Windows: the paths the program forms (the folder text, then a relative part
// that begins with a backslash) reach the data set on a drive root, a UNC share, past MAX_PATH and
// in a folder with a Chinese name; Windows' error codes arrive as the program's file errors.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <optional>

#include "platform/file_error.hpp"
#include "platform/file_table.hpp"
#include "platform/host_path.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

namespace fs = std::filesystem;

std::u16string textOf(const std::wstring& wide) {
  return std::u16string(wide.begin(), wide.end());
}

std::wstring wideOf(const std::u16string& text) {
  return std::wstring(text.begin(), text.end());
}

// Copies folder from into to (a \\?\ path, so it may be longer than MAX_PATH).
void copyTree(const fs::path& from, const std::wstring& to) {
  ASSERT_TRUE(::CreateDirectoryW(to.c_str(), nullptr)) << ::GetLastError();
  for (const auto& entry : fs::directory_iterator(from)) {
    const std::wstring target = to + L"\\" + entry.path().filename().wstring();
    if (entry.is_directory())
      copyTree(entry.path(), target);
    else
      ASSERT_TRUE(::CopyFileW(entry.path().wstring().c_str(), target.c_str(), TRUE));
  }
}

// A drive letter of this process for folder, as SUBST makes one; removed at the end. (Wine
// takes its drives from its prefix instead: make windows-test maps one there.)
class MappedDrive {
 public:
  explicit MappedDrive(const fs::path& folder) {
    const DWORD used = ::GetLogicalDrives();
    for (wchar_t letter = L'Y'; letter > L'D' && name_.empty(); --letter)
      if (!(used & (1u << (letter - L'A')))) name_ = std::wstring{letter, L':'};
    const std::wstring target = L"\\??\\" + fs::absolute(folder).wstring();
    EXPECT_TRUE(::DefineDosDeviceW(DDD_RAW_TARGET_PATH, name_.c_str(), target.c_str()));
  }
  ~MappedDrive() { ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, name_.c_str(), nullptr); }
  std::u16string root() const { return textOf(name_ + L"\\"); }

 private:
  std::wstring name_;
};

// The drive make windows-test maps onto tests/fixtures/basic under Wine; elsewhere mapped here.
std::u16string basicOnADrive(std::optional<MappedDrive>& mapped) {
  if (const char* drive = std::getenv("KV884_TEST_DRIVE")) return fromUtf8(drive) + u"\\";
  return mapped.emplace(test::fixturePath("basic")).root();
}

// The share make windows-test maps onto tests/fixtures (Wine's dosdevices/unc); on Windows the
// administrative share of the fixtures' drive.
std::u16string sharedFixtures() {
  if (const char* share = std::getenv("KV884_TEST_SHARE")) return fromUtf8(share);
  const std::wstring fixtures = fs::absolute(KV884_FIXTURES).wstring();
  return textOf(LR"(\\localhost\)" + fixtures.substr(0, 1) + L"$" + fixtures.substr(2));
}

TEST(WindowsPaths, EveryFormOfFolderReachesTheDataSet) {
  test::TempFolder tmp;
  const fs::path basic = test::fixturePath("basic");
  const std::wstring longFolder = LR"(\\?\)" + tmp.path().wstring() + L"\\" +
                                  std::wstring(120, L'a') + L"\\" + std::wstring(120, L'b');
  ASSERT_TRUE(::CreateDirectoryW(longFolder.substr(0, longFolder.rfind(L'\\')).c_str(), nullptr));
  copyTree(basic, longFolder);
  copyTree(basic, tmp.path().wstring() + L"\\股務資料");
  std::optional<MappedDrive> mapped;
  const std::string descriptor = test::readFile(basic / "ntridx" / "security.txt");
  const std::string firstHolder = test::readFile(basic / "ntr" / "7701.sin").substr(0, 122);

  for (const auto& [name, folder] : std::vector<std::pair<std::string, std::u16string>>{
           {"drive root",
            basicOnADrive(mapped)},  // "K:\" + "\ntridx": the doubled separator counts once
           {"UNC share", sharedFixtures() + u"\\basic"},
           {"past MAX_PATH", textOf(longFolder.substr(4))},
           {"Chinese folder name", textOf(tmp.path().wstring()) + u"\\股務資料"},
           {"forward slashes", fromUtf8(basic.string())}}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(nameExists(folder + u"\\ntridx"));
    FileTable files;
    files.openInput(15, folder + u"\\ntridx\\security.txt");
    std::string read;
    for (int c; (c = files.input(15).get()) >= 0;) read += static_cast<char>(c);
    EXPECT_EQ(read, descriptor);
    files.openRecords(3, folder + u"\\NTR\\7701.SIN", 122);  // names case-insensitive
    EXPECT_EQ(files.readRecord(3, 1), firstHolder);
  }
}

TEST(WindowsPaths, FailuresCarryTheProgramsFileErrors) {
  const std::u16string basic = fromUtf8(test::fixturePath("basic").string());
  for (const auto& [relative, error] : std::vector<std::pair<std::u16string, int>>{
           {u"\\ntridx\\7701idxx.sin", FileError::kFileNotFound},
           {u"\\none\\7701idxd.sin", FileError::kPathNotFound},
           {u"\\ntr", FileError::kPathFileAccess},       // a folder in a file's place
           {u"\\ntr\\NUL", FileError::kPathFileAccess},  // a device
           {u"\\ntr\\bad<name>", FileError::kBadFileNameOrNumber}}) {
    FileTable files;
    try {
      files.openRecords(3, basic + relative, 122);
      ADD_FAILURE() << toUtf8(relative) << " opened";
    } catch (const FileError& e) {
      EXPECT_EQ(e.number(), error) << toUtf8(relative);
    }
  }
  EXPECT_EQ(wideOf(fromUtf8(mapHostPath(u"x:\\" + std::u16string(300, u'a')).path))
                .rfind(LR"(\\?\x:\)", 0),
            0u);
}

}  // namespace
}  // namespace kv884

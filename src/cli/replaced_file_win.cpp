// The replaced file on Windows: created with a security descriptor that lets only its owner in,
// renamed over the target with MoveFileExW, and removed on Ctrl+C as on an interrupt on Linux.

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// sddl.h needs windows.h first.
#include <sddl.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <random>

#include "cli/replaced_file.hpp"
#include "platform/utf.hpp"
#include "platform/windows_error.hpp"

namespace kv884 {

namespace {

std::wstring wide(const std::string& utf8) {
  const std::u16string text = fromUtf8(utf8);
  return std::wstring(text.begin(), text.end());
}

// The temporary file to remove when the program is interrupted before it was renamed; Windows
// runs the handler on a thread of its own, so it may call DeleteFileW.
wchar_t pendingPath[32768];
constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGBREAK};

void removePending(int signal) {
  if (pendingPath[0]) ::DeleteFileW(pendingPath);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void watchSignals(const std::wstring& path) {
  if (path.size() >= std::size(pendingPath)) return;
  std::copy(path.c_str(), path.c_str() + path.size() + 1, pendingPath);
  for (int signal : kCleanedSignals) std::signal(signal, removePending);
}

void unwatchSignals() {
  for (int signal : kCleanedSignals) std::signal(signal, SIG_DFL);
  pendingPath[0] = L'\0';
}

// ".NAME.NNNNNNNN" in target's folder, on the same volume, so the rename is one step.
std::string temporaryName(const std::string& target) {
  const std::filesystem::path path(std::u8string(target.begin(), target.end()));
  const std::u8string name =
      u8"." + path.filename().u8string() + u8"." +
      std::filesystem::path(std::to_string(std::random_device()())).u8string();
  const std::u8string full = (path.parent_path() / name).u8string();
  return std::string(full.begin(), full.end());
}

// Full access for the file's owner and for nobody else, whatever the folder passes on.
HANDLE createOwnerOnly(const std::wstring& path) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;OW)", SDDL_REVISION_1,
                                                              &descriptor, nullptr))
    return INVALID_HANDLE_VALUE;
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  // Shared, because libxlsxwriter opens the file once more by its name to write the workbook.
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &attributes,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  const DWORD error = ::GetLastError();
  ::LocalFree(descriptor);
  ::SetLastError(error);
  return handle;
}

}  // namespace

FileError writeError(int errorNumber) {
  switch (errorNumber) {
    case ENOSPC:
      return FileError(FileError::kDiskFull);
    case ENOENT:
    case ENOTDIR:
      return FileError(FileError::kPathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
      return FileError(FileError::kPermissionDenied);
    case EIO:
      return FileError(FileError::kDeviceIo);
    case ENAMETOOLONG:
      return FileError(FileError::kBadFileNameOrNumber);
    default:
      return FileError(FileError::kPathFileAccess);
  }
}

ReplacedFile::ReplacedFile(std::string target)
    : target_(std::move(target)), temporary_(temporaryName(target_)) {
  HANDLE handle = createOwnerOnly(wide(temporary_));
  if (handle == INVALID_HANDLE_VALUE) throw FileError(fileErrorOf(::GetLastError()));
  fd_ = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
  if (fd_ < 0) {
    ::CloseHandle(handle);
    ::DeleteFileW(wide(temporary_).c_str());
    throw FileError(FileError::kPathFileAccess);
  }
  watchSignals(wide(temporary_));
}

ReplacedFile::~ReplacedFile() {
  if (fd_ >= 0) ::_close(fd_);
  if (!committed_) ::DeleteFileW(wide(temporary_).c_str());
  unwatchSignals();
}

void ReplacedFile::commit() {
  const int fd = fd_;
  fd_ = -1;
  if (::_close(fd) != 0) throw writeError(errno);
  if (!::MoveFileExW(wide(temporary_).c_str(), wide(target_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    throw FileError(fileErrorOf(::GetLastError()));
  committed_ = true;
}

}  // namespace kv884

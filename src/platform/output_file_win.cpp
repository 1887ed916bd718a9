// The writer on Windows. The temporary file is a named file beside the target that only
// its owner may open, put in the target's place by MoveFileExW written through to the disc. It is
// removed on every way out this process controls (a thrown error, Ctrl+C, Ctrl+Break) and, after
// the process was ended from outside, by the next run for the same target.

#include <windows.h>
// sddl.h needs windows.h first.
#include <sddl.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>

#include "platform/folder_guard.hpp"
#include "platform/fs_path.hpp"
#include "platform/output_file.hpp"
#include "platform/temporary_names.hpp"
#include "platform/windows_error.hpp"
#include "platform/windows_path.hpp"

namespace kv884 {

namespace {

// The temporary files to remove when Ctrl+C ends the program; Windows runs the handler on a
// thread of its own, where it may call DeleteFileW.
std::array<std::array<wchar_t, 1024>, 8> pendingPaths;
constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGBREAK};

void removePendingAndDie(int signal) {
  for (auto& path : pendingPaths)
    if (path[0]) ::DeleteFileW(path.data());
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

wchar_t* rememberPending(const std::wstring& path) {
  if (path.size() >= pendingPaths[0].size()) return nullptr;
  for (auto& slot : pendingPaths) {
    if (slot[0]) continue;
    std::copy(path.c_str(), path.c_str() + path.size() + 1, slot.data());
    for (int signal : kCleanedSignals) std::signal(signal, removePendingAndDie);
    return slot.data();
  }
  return nullptr;
}

FileError lastWriteError() {
  return FileError(fileErrorOf(::GetLastError()));
}

// Refuses a target that exists but is no plain file, or that someone made read-only. Windows
// spells a device (CON, NUL, COM1 ..., in whichever folder) and a named pipe \\.\NAME in full.
void checkReplaceable(const std::wstring& target) {
  if (target.rfind(LR"(\\.\)", 0) == 0) throw FileError(FileError::kPathFileAccess);
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = ::GetLastError();
    // A new file; a missing folder shows when the file is made.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return;
    throw FileError(fileErrorOf(error));
  }
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
    throw FileError(FileError::kPathFileAccess);
  if (attributes & FILE_ATTRIBUTE_READONLY) throw FileError(FileError::kPermissionDenied);
}

// The user this process runs as, as a security descriptor names it.
std::wstring currentUserSid() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return L"OW";
  alignas(TOKEN_USER) char buffer[256];
  DWORD size = 0;
  LPWSTR sid = nullptr;
  const bool known =
      ::GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size) &&
      ::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid);
  ::CloseHandle(token);
  const std::wstring text = known ? sid : L"OW";  // else the owner, whoever that is
  ::LocalFree(sid);
  return text;
}

// Full access for the user who writes the file and for nobody else, whatever the folder passes
// on. Shared, because a library that writes by name opens the file once more.
HANDLE createOwnerOnly(const std::wstring& path) {
  static const std::wstring kOwnerOnly = L"D:P(A;;FA;;;" + currentUserSid() + L")";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kOwnerOnly.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr))
    return INVALID_HANDLE_VALUE;
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      &attributes, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  const DWORD error = ::GetLastError();
  ::LocalFree(descriptor);
  ::SetLastError(error);
  return handle;
}

// path as a library that opens files through the ANSI code page can open it: its short form,
// which is ASCII where the volume keeps short names.
std::string ansiOpenable(const std::wstring& path) {
  std::wstring shortPath(::GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
  shortPath.resize(
      ::GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size())));
  const bool ascii = !shortPath.empty() && std::all_of(shortPath.begin(), shortPath.end(),
                                                       [](wchar_t c) { return c < 0x80; });
  return hostPathOf(ascii ? shortPath : path);
}

}  // namespace

FileError writeError(int errorNumber) {
  // A name that is not there is a folder missing on the way, as on every host.
  if (errorNumber == ENOENT) return FileError(FileError::kPathNotFound);
  return FileError(std::error_code(errorNumber, std::generic_category()));
}

struct OutputFile::Impl {
  std::string target;
  std::wstring wideTarget;
  std::wstring wideTemporary;
  std::string temporary;  // as a library opens it by name
  std::string folder;     // likewise
  wchar_t* pending{nullptr};
  HANDLE handle{INVALID_HANDLE_VALUE};
  bool committed{false};

  ~Impl() {
    if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    if (!committed && !wideTemporary.empty()) ::DeleteFileW(wideTemporary.c_str());
    if (pending) pending[0] = L'\0';
  }

  void create() {
    for (;;) {
      const std::wstring name = windowsPathOf(randomTemporaryName(temporaryPattern(target)));
      handle = createOwnerOnly(name);
      if (handle != INVALID_HANDLE_VALUE) {
        wideTemporary = name;
        break;
      }
      if (::GetLastError() != ERROR_FILE_EXISTS) throw lastWriteError();
    }
    pending = rememberPending(wideTemporary);
    temporary = ansiOpenable(wideTemporary);
    const std::filesystem::path parent = std::filesystem::path(wideTemporary).parent_path();
    folder = ansiOpenable(parent.wstring());
  }
};

OutputFile::OutputFile(const std::string& target, const std::vector<std::string>& readOnlyFolders)
    : impl_(std::make_unique<Impl>()) {
  for (const std::string& folder : readOnlyFolders)
    if (liesWithin(target, folder))
      throw TargetInReadOnlyFolder(target + " lies in " + folder + ", which is only ever read");
  impl_->target = target;
  impl_->wideTarget = windowsPathOf(target);
  if (hasOverlongName(impl_->wideTarget)) throw FileError(FileError::kBadFileNameOrNumber);
  checkReplaceable(impl_->wideTarget);
  sweepStaleTemporaries(target);
  impl_->create();
}

OutputFile::~OutputFile() = default;
OutputFile::OutputFile(OutputFile&&) noexcept = default;
OutputFile& OutputFile::operator=(OutputFile&&) noexcept = default;

void OutputFile::write(std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD n = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    if (!::WriteFile(impl_->handle, bytes.data(), chunk, &n, nullptr)) throw lastWriteError();
    bytes.remove_prefix(n);
  }
}

const std::string& OutputFile::temporaryPath() const {
  return impl_->temporary;
}

const std::string& OutputFile::target() const {
  return impl_->target;
}

const std::string& OutputFile::folder() const {
  return impl_->folder;
}

uint64_t OutputFile::size() const {
  LARGE_INTEGER size{};
  return ::GetFileSizeEx(impl_->handle, &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
}

void OutputFile::commit() {
  Impl& file = *impl_;
  if (!::FlushFileBuffers(file.handle)) throw lastWriteError();
  ::CloseHandle(file.handle);
  file.handle = INVALID_HANDLE_VALUE;
  if (!::MoveFileExW(file.wideTemporary.c_str(), file.wideTarget.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    throw lastWriteError();  // the temporary file goes with the writer
  file.committed = true;
}

}  // namespace kv884

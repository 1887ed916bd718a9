// The reading rule on Windows: CreateFileW on the UTF-16 path, sharing read, write and delete so
// that a clerk's other programs are never locked out of the data set, and ReadFile at an offset.
// A folder opens too (backup semantics), so that it is refused here as on Linux, as are a device
// such as CON or NUL and, where no stream is wanted, a named pipe.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>

#include "platform/file_error.hpp"
#include "platform/input_file.hpp"
#include "platform/windows_error.hpp"
#include "platform/windows_path.hpp"

namespace kv884 {

namespace {

HANDLE openShared(const std::string& hostPath) {
  const HANDLE handle =
      ::CreateFileW(windowsPathOf(hostPath).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw FileError(fileErrorOf(::GetLastError()));
  return handle;
}

// The file's length, or -1 when it is no file on a disc (a folder, a device, a pipe).
int64_t diskFileLength(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return -1;
  return (static_cast<int64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

HANDLE handleOf(int fd) {
  return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

// One ReadFile, at position when one is given; 0 at the end (a pipe's writer gone included).
size_t readOnce(int fd, char* buffer, size_t size, const int64_t* position) {
  OVERLAPPED at{};
  if (position) {
    at.Offset = static_cast<DWORD>(static_cast<uint64_t>(*position));
    at.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(*position) >> 32);
  }
  DWORD n = 0;
  const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
  if (::ReadFile(handleOf(fd), buffer, chunk, &n, position ? &at : nullptr)) return n;
  const DWORD error = ::GetLastError();
  if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE) return 0;
  throw FileError(FileError::kDeviceIo);
}

}  // namespace

InputFile::InputFile(const std::string& hostPath, InputKind kind) {
  const HANDLE handle = openShared(hostPath);
  const int64_t length = diskFileLength(handle);
  const bool pipe = length < 0 && ::GetFileType(handle) == FILE_TYPE_PIPE;
  if (length < 0 && !(pipe && kind == InputKind::FileOrStream)) {
    ::CloseHandle(handle);
    throw FileError(FileError::kPathFileAccess);
  }
  // A C runtime descriptor owns the handle, so the file is held as on POSIX.
  handle_ = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (handle_ < 0) {
    ::CloseHandle(handle);
    throw FileError(FileError::kPathFileAccess);
  }
  stream_ = pipe;
  length_ = pipe ? 0 : length;
}

InputFile::~InputFile() {
  if (handle_ >= 0) ::_close(handle_);
}

size_t InputFile::read(char* buffer, size_t size) {
  return readOnce(handle_, buffer, size, nullptr);
}

size_t InputFile::readAt(int64_t offset, char* buffer, size_t size) {
  return readAtOffset(handle_, offset, buffer, size);
}

size_t readAtOffset(int fd, int64_t offset, char* buffer, size_t size) {
  size_t got = 0;
  while (got < size) {
    const int64_t position = offset + static_cast<int64_t>(got);
    const size_t n = readOnce(fd, buffer + got, size - got, &position);
    if (n == 0) break;
    got += n;
  }
  return got;
}

}  // namespace kv884

// The temporary file on Windows: a file in the user's temporary folder that no other process may
// open while it is open, kept in memory where the system can (FILE_ATTRIBUTE_TEMPORARY) and
// deleted when its handle closes, which the system does for a process however it ends.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>

#include "platform/file_error.hpp"
#include "platform/input_file.hpp"
#include "platform/scratch_file.hpp"
#include "platform/windows_error.hpp"

namespace kv884 {

namespace {

HANDLE handleOf(intptr_t fd) {
  return reinterpret_cast<HANDLE>(::_get_osfhandle(static_cast<int>(fd)));
}

OVERLAPPED at(int64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(static_cast<uint64_t>(offset));
  position.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
  return position;
}

int openUnnamed() {
  wchar_t folder[MAX_PATH + 1];
  wchar_t name[MAX_PATH + 1];
  if (!::GetTempPathW(MAX_PATH + 1, folder) || !::GetTempFileNameW(folder, L"kv8", 0, name))
    throw FileError(fileErrorOf(::GetLastError()));
  const HANDLE handle =
      ::CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    ::DeleteFileW(name);
    throw FileError(fileErrorOf(error));
  }
  // A descriptor of the C library, as an input file has, so that both are read by one loop.
  const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
  if (fd < 0) {
    ::CloseHandle(handle);
    throw FileError(FileError::kPathFileAccess);
  }
  return fd;
}

}  // namespace

ScratchFile::ScratchFile() : handle_(openUnnamed()) {}

ScratchFile::~ScratchFile() {
  ::_close(static_cast<int>(handle_));
}

void ScratchFile::writeAt(int64_t offset, std::string_view bytes) {
  while (!bytes.empty()) {
    OVERLAPPED position = at(offset);
    DWORD n = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    if (!::WriteFile(handleOf(handle_), bytes.data(), chunk, &n, &position) || n == 0)
      throw FileError(fileErrorOf(::GetLastError()));
    bytes.remove_prefix(n);
    offset += n;
  }
}

size_t ScratchFile::readAt(int64_t offset, char* buffer, size_t size) const {
  return readAtOffset(static_cast<int>(handle_), offset, buffer, size);
}

}  // namespace kv884

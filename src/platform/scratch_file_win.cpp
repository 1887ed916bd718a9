// The temporary file on Windows: a file in the user's temporary folder that no other process may
// open while it is open, kept in memory where the system can (FILE_ATTRIBUTE_TEMPORARY) and
// deleted when its handle closes, which the system does for a process however it ends.

#include <windows.h>

#include <algorithm>

#include "platform/file_error.hpp"
#include "platform/scratch_file.hpp"
#include "platform/windows_error.hpp"

namespace kv884 {

namespace {

HANDLE handleOf(intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

OVERLAPPED at(int64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(static_cast<uint64_t>(offset));
  position.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
  return position;
}

HANDLE openUnnamed() {
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
  return handle;
}

}  // namespace

ScratchFile::ScratchFile() : handle_(reinterpret_cast<intptr_t>(openUnnamed())) {}

ScratchFile::~ScratchFile() {
  ::CloseHandle(handleOf(handle_));
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
  size_t got = 0;
  while (got < size) {
    OVERLAPPED position = at(offset + static_cast<int64_t>(got));
    DWORD n = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(size - got, 1u << 30));
    if (!::ReadFile(handleOf(handle_), buffer + got, chunk, &n, &position)) {
      if (::GetLastError() == ERROR_HANDLE_EOF) break;
      throw FileError(FileError::kDeviceIo);
    }
    if (n == 0) break;
    got += n;
  }
  return got;
}

}  // namespace kv884

// The file table on Windows: CreateFileW on the UTF-16 path and ReadFile at an offset.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>

#include "platform/file_error.hpp"
#include "platform/file_table.hpp"
#include "platform/windows_error.hpp"
#include "platform/windows_path.hpp"

namespace kv884 {

struct FileTable::OpenFile {
  HANDLE handle{INVALID_HANDLE_VALUE};
  int fd{-1};  // sequential input reads through a C runtime descriptor, which owns the handle
  int recordLength{0};  // 0: sequential input
  int64_t length{0};
  std::unique_ptr<SequentialInput> input;

  // A partly present last record included.
  int64_t records() const {
    return recordLength > 0 ? (length + recordLength - 1) / recordLength : 0;
  }

  ~OpenFile() {
    if (fd >= 0)
      ::_close(fd);
    else if (handle != INVALID_HANDLE_VALUE)
      ::CloseHandle(handle);
  }
};

namespace {

// Fills buffer from offset on as far as the file goes; returns the bytes read.
size_t readAt(HANDLE handle, int64_t offset, char* buffer, size_t size) {
  size_t got = 0;
  while (got < size) {
    OVERLAPPED at{};
    const uint64_t position = static_cast<uint64_t>(offset) + got;
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    DWORD n = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - got, 1u << 30));
    if (!::ReadFile(handle, buffer + got, chunk, &n, &at)) {
      if (::GetLastError() == ERROR_HANDLE_EOF) break;
      throw FileError(FileError::kDeviceIo);
    }
    if (n == 0) break;
    got += n;
  }
  return got;
}

}  // namespace

FileTable::FileTable() = default;
FileTable::~FileTable() = default;

void FileTable::open(int fileNo, std::u16string_view formedPath, int recordLength) {
  if (files_.count(fileNo)) throw FileError(FileError::kFileAlreadyOpen);
  auto file = std::make_unique<OpenFile>();
  // Every kind of sharing, so a clerk's other programs are never locked out of the data set;
  // folders open too (backup semantics), so that they are refused below as on Linux.
  file->handle =
      ::CreateFileW(windowsPath(formedPath).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file->handle == INVALID_HANDLE_VALUE) throw FileError(fileErrorOf(::GetLastError()));
  // A folder, a device such as CON or NUL, or a named pipe in a file's place.
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileType(file->handle) != FILE_TYPE_DISK ||
      !::GetFileInformationByHandle(file->handle, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    throw FileError(FileError::kPathFileAccess);
  file->length = (static_cast<int64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  file->recordLength = recordLength;
  if (recordLength == 0) {
    file->fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(file->handle), _O_RDONLY | _O_BINARY);
    if (file->fd < 0) throw FileError(FileError::kPathFileAccess);
    file->input = std::make_unique<SequentialInput>(file->fd);
  }
  files_[fileNo] = std::move(file);
}
void FileTable::openInput(int fileNo, std::u16string_view formedPath) {
  open(fileNo, formedPath, 0);
}

void FileTable::openRecords(int fileNo, std::u16string_view formedPath, int recordLength) {
  open(fileNo, formedPath, recordLength);
}

FileTable::OpenFile& FileTable::find(int fileNo) const {
  auto it = files_.find(fileNo);
  if (it == files_.end()) throw FileError(FileError::kBadFileNameOrNumber);
  return *it->second;
}

int64_t FileTable::length(int fileNo) const {
  return find(fileNo).length;
}

int FileTable::recordLength(int fileNo) const {
  return find(fileNo).recordLength;
}

int64_t FileTable::recordCount(int fileNo) const {
  return find(fileNo).records();
}

std::string FileTable::readRecord(int fileNo, int64_t recNo) {
  std::string bytes;
  readRecordInto(fileNo, recNo, bytes);
  return bytes;
}

void FileTable::readRecordInto(int fileNo, int64_t recNo, std::string& bytes) {
  OpenFile& file = find(fileNo);
  if (file.recordLength <= 0) throw FileError(FileError::kBadFileNameOrNumber);
  if (recNo < 1 || recNo > file.records()) throw FileError(FileError::kBadRecordNumber);
  bytes.assign(static_cast<size_t>(file.recordLength), ' ');
  // A partly present last record keeps its blank padding.
  size_t got = readAt(file.handle, (recNo - 1) * file.recordLength, bytes.data(), bytes.size());
  if (got == 0) throw FileError(FileError::kBadRecordNumber);
  if (observer_) observer_(fileNo, recNo);
}

size_t FileTable::readBytes(int fileNo, int64_t offset, char* buffer, size_t size) {
  return readAt(find(fileNo).handle, offset, buffer, size);
}

SequentialInput& FileTable::input(int fileNo) {
  OpenFile& file = find(fileNo);
  if (!file.input) throw FileError(FileError::kBadFileNameOrNumber);
  return *file.input;
}

void FileTable::close(int fileNo) {
  files_.erase(fileNo);
}

void FileTable::closeAll() {
  files_.clear();
}

bool FileTable::isOpen(int fileNo) const {
  return files_.count(fileNo) != 0;
}

std::vector<int> FileTable::openNumbers() const {
  std::vector<int> numbers;
  for (const auto& [no, file] : files_) numbers.push_back(no);
  return numbers;
}

}  // namespace kv884

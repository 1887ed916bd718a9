#include "platform/file_table.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_error.hpp"
#include "platform/host_path.hpp"

namespace kv884 {

struct FileTable::OpenFile {
  int fd{-1};
  int recordLength{0};  // 0: sequential input
  int64_t length{0};
  std::unique_ptr<SequentialInput> input;

  // A partly present last record included.
  int64_t records() const {
    return recordLength > 0 ? (length + recordLength - 1) / recordLength : 0;
  }

  ~OpenFile() {
    if (fd >= 0) ::close(fd);
  }
};

namespace {

FileError::Number errorForOpen(int err) {
  switch (err) {
    case ENOENT:
      return FileError::kFileNotFound;
    case ENOTDIR:
      return FileError::kPathNotFound;
    case EACCES:
    case EPERM:
      return FileError::kPermissionDenied;
    case ENAMETOOLONG:
      return FileError::kBadFileNameOrNumber;
    case EIO:
      return FileError::kDeviceIo;
    default:
      return FileError::kPathFileAccess;
  }
}

int openRetrying(const std::string& path, int flags) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Fills buffer from offset on as far as the file goes; returns the bytes read.
size_t readAt(int fd, int64_t offset, char* buffer, size_t size) {
  size_t got = 0;
  while (got < size) {
    ssize_t n = ::pread(fd, buffer + got, size - got, static_cast<off_t>(offset) + got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw FileError(FileError::kDeviceIo);
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return got;
}

}  // namespace

FileTable::FileTable() = default;
FileTable::~FileTable() = default;

void FileTable::open(int fileNo, std::u16string_view formedPath, int recordLength) {
  if (files_.count(fileNo)) throw FileError(FileError::kFileAlreadyOpen);
  HostPath host = mapHostPath(formedPath);
  if (host.folderMissing) throw FileError(FileError::kPathNotFound);
  auto file = std::make_unique<OpenFile>();
  // Opened without blocking, so a named pipe or a device in a file's place cannot hang the
  // program before it is refused below. The access times of the data set's files stay as they
  // are where the host allows it (files of the program's own user); elsewhere O_NOATIME is
  // refused with EPERM and the file opens as usual.
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
  file->fd = openRetrying(host.path, flags | O_NOATIME);
  if (file->fd < 0 && errno == EPERM) file->fd = openRetrying(host.path, flags);
  if (file->fd < 0) throw FileError(errorForOpen(errno));
  struct stat st;
  if (::fstat(file->fd, &st) != 0 || !S_ISREG(st.st_mode))
    throw FileError(FileError::kPathFileAccess);  // a folder, a pipe or a device
  ::fcntl(file->fd, F_SETFL, ::fcntl(file->fd, F_GETFL) & ~O_NONBLOCK);
  file->length = st.st_size;
  file->recordLength = recordLength;
  if (recordLength == 0) file->input = std::make_unique<SequentialInput>(file->fd);
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
  if (source_ && source_(fileNo, recNo, bytes)) {
    if (observer_) observer_(fileNo, recNo);
    return;
  }
  bytes.assign(static_cast<size_t>(file.recordLength), ' ');
  // A partly present last record keeps its blank padding.
  size_t got = readAt(file.fd, (recNo - 1) * file.recordLength, bytes.data(), bytes.size());
  if (got == 0) throw FileError(FileError::kBadRecordNumber);
  if (observer_) observer_(fileNo, recNo);
}

size_t FileTable::readBytes(int fileNo, int64_t offset, char* buffer, size_t size) {
  return readAt(find(fileNo).fd, offset, buffer, size);
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

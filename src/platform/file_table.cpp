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

  ~OpenFile() {
    if (fd >= 0) ::close(fd);
  }
};

namespace {

FileError errorForOpen(int err, bool folderMissing) {
  switch (err) {
    case ENOENT:
      return folderMissing ? FileError::pathNotFound() : FileError::fileNotFound();
    case ENOTDIR:
      return FileError::pathNotFound();
    case EACCES:
    case EPERM:
      return FileError::permissionDenied();
    case ENAMETOOLONG:
      return FileError::badFileNameOrNumber();
    case EIO:
      return FileError::deviceIo();
    default:
      return FileError::pathFileAccess();
  }
}

// Fills buffer from offset on as far as the file goes; returns the bytes read.
size_t readAt(int fd, int64_t offset, char* buffer, size_t size) {
  size_t got = 0;
  while (got < size) {
    ssize_t n = ::pread(fd, buffer + got, size - got, static_cast<off_t>(offset) + got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw FileError::deviceIo();
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return got;
}

}  // namespace

FileTable::FileTable() = default;
FileTable::~FileTable() = default;

int FileTable::openReadOnly(std::u16string_view formedPath) {
  HostPath host = mapHostPath(formedPath);
  if (host.folderMissing) throw FileError::pathNotFound();
  // Opened without blocking, so a named pipe or a device in a file's place cannot hang the
  // program before it is refused below. The access times of the data set's files stay as they
  // are where the host allows it (files of the program's own user); elsewhere O_NOATIME is
  // refused with EPERM and the file opens as usual.
  int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOATIME;
  int fd;
  do {
    fd = ::open(host.path.c_str(), flags);
    if (fd < 0 && errno == EPERM && (flags & O_NOATIME)) {
      flags &= ~O_NOATIME;
      errno = EINTR;
    }
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw errorForOpen(errno, false);
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw FileError::pathFileAccess();  // a folder, a pipe or a device where a file should be
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

void FileTable::ensureFree(int fileNo) const {
  if (files_.count(fileNo)) throw FileError::fileAlreadyOpen();
}

void FileTable::openInput(int fileNo, std::u16string_view formedPath) {
  ensureFree(fileNo);
  auto file = std::make_unique<OpenFile>();
  file->fd = openReadOnly(formedPath);
  file->input = std::make_unique<SequentialInput>(file->fd);
  files_[fileNo] = std::move(file);
}

void FileTable::openRecords(int fileNo, std::u16string_view formedPath, int recordLength) {
  ensureFree(fileNo);
  auto file = std::make_unique<OpenFile>();
  file->fd = openReadOnly(formedPath);
  file->recordLength = recordLength;
  struct stat st;
  if (::fstat(file->fd, &st) != 0) throw FileError::deviceIo();
  file->length = st.st_size;
  files_[fileNo] = std::move(file);
}

FileTable::OpenFile& FileTable::find(int fileNo) {
  auto it = files_.find(fileNo);
  if (it == files_.end()) throw FileError::badFileNameOrNumber();
  return *it->second;
}

const FileTable::OpenFile& FileTable::find(int fileNo) const {
  auto it = files_.find(fileNo);
  if (it == files_.end()) throw FileError::badFileNameOrNumber();
  return *it->second;
}

int64_t FileTable::length(int fileNo) const {
  const OpenFile& file = find(fileNo);
  if (file.recordLength > 0) return file.length;
  struct stat st;
  if (::fstat(file.fd, &st) != 0) throw FileError::deviceIo();
  return st.st_size;
}

int FileTable::recordLength(int fileNo) const {
  return find(fileNo).recordLength;
}

int64_t FileTable::recordCount(int fileNo) const {
  const OpenFile& file = find(fileNo);
  if (file.recordLength <= 0) return 0;
  return (file.length + file.recordLength - 1) / file.recordLength;
}

std::string FileTable::readRecord(int fileNo, int64_t recNo) {
  std::string bytes;
  readRecordInto(fileNo, recNo, bytes);
  return bytes;
}

void FileTable::readRecordInto(int fileNo, int64_t recNo, std::string& bytes) {
  OpenFile& file = find(fileNo);
  if (file.recordLength <= 0) throw FileError::badFileNameOrNumber();
  if (recNo < 1 || (recNo - 1) > (file.length - 1) / file.recordLength || file.length == 0)
    throw FileError::badRecordNumber();
  bytes.assign(static_cast<size_t>(file.recordLength), ' ');
  // A partly present last record keeps its blank padding.
  size_t got = readAt(file.fd, (recNo - 1) * file.recordLength, bytes.data(), bytes.size());
  if (got == 0) throw FileError::badRecordNumber();
  if (observer_) observer_(fileNo, recNo);
}

size_t FileTable::readBytes(int fileNo, int64_t offset, char* buffer, size_t size) {
  return readAt(find(fileNo).fd, offset, buffer, size);
}

SequentialInput& FileTable::input(int fileNo) {
  OpenFile& file = find(fileNo);
  if (!file.input) throw FileError::badFileNameOrNumber();
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

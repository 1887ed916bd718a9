#include "platform/input_file.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_error.hpp"

namespace kv884 {

namespace {

FileError openFailure(int err) {
  return FileError(std::error_code(err, std::generic_category()));
}

int openRetrying(const std::string& path, int flags) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Opened without blocking, so that a named pipe nobody writes into cannot hold the program up
// before it is looked at. The access times of the files stay as they are where the host allows
// it (files of the program's own user); elsewhere O_NOATIME is refused with EPERM.
int openWithoutBlocking(const std::string& path) {
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
  int fd = openRetrying(path, flags | O_NOATIME);
  if (fd < 0 && errno == EPERM) fd = openRetrying(path, flags);
  if (fd < 0) throw openFailure(errno);
  return fd;
}

}  // namespace

InputFile::InputFile(const std::string& hostPath, InputKind kind)
    : handle_(openWithoutBlocking(hostPath)) {
  struct stat st;
  if (::fstat(handle_, &st) != 0) {
    ::close(handle_);
    throw FileError(FileError::kDeviceIo);
  }
  const bool pipe = S_ISFIFO(st.st_mode);
  if (!S_ISREG(st.st_mode) && !(pipe && kind == InputKind::FileOrStream)) {
    ::close(handle_);
    throw FileError(FileError::kPathFileAccess);  // a folder, a device, or a pipe not wanted
  }
  stream_ = pipe;
  length_ = pipe ? 0 : static_cast<int64_t>(st.st_size);
  ::fcntl(handle_, F_SETFL, ::fcntl(handle_, F_GETFL) & ~O_NONBLOCK);
}

InputFile::~InputFile() {
  if (handle_ >= 0) ::close(handle_);
}

size_t InputFile::read(char* buffer, size_t size) {
  // A named pipe opened before its writer reads as ended until one comes; waiting for input
  // first lets the writer come (the host reports no hang-up before a writer has been there).
  if (stream_) {
    pollfd ready{handle_, POLLIN, 0};
    while (::poll(&ready, 1, -1) < 0 && errno == EINTR) {
    }
  }
  ssize_t n;
  do {
    n = ::read(handle_, buffer, size);
  } while (n < 0 && errno == EINTR);
  if (n < 0) throw FileError(FileError::kDeviceIo);
  return static_cast<size_t>(n);
}

size_t InputFile::readAt(int64_t offset, char* buffer, size_t size) {
  return readAtOffset(handle_, offset, buffer, size);
}

size_t readAtOffset(int fd, int64_t offset, char* buffer, size_t size) {
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

}  // namespace kv884

// The temporary file on a POSIX host: O_TMPFILE where the file system has it, a file the kernel
// frees whatever ends the process; elsewhere a file made with a random name and unlinked at once.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/file_error.hpp"
#include "platform/input_file.hpp"
#include "platform/output_file.hpp"
#include "platform/scratch_file.hpp"

namespace kv884 {

namespace {

int openUnnamed() {
  std::error_code error;
  const std::string folder = std::filesystem::temp_directory_path(error).string();
  if (error) throw FileError(FileError::kPathNotFound);
  int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600);
  if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
    if (fd < 0) throw writeError(errno);
    return fd;
  }
  std::string name = folder + "/kv884-XXXXXX";
  fd = ::mkostemp(name.data(), O_CLOEXEC);  // mode 0600 whatever the umask
  if (fd < 0) throw writeError(errno);
  ::unlink(name.c_str());
  return fd;
}

}  // namespace

ScratchFile::ScratchFile() : handle_(openUnnamed()) {}

ScratchFile::~ScratchFile() {
  ::close(static_cast<int>(handle_));
}

void ScratchFile::writeAt(int64_t offset, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(static_cast<int>(handle_), bytes.data(), bytes.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw writeError(n < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<size_t>(n));
    offset += n;
  }
}

size_t ScratchFile::readAt(int64_t offset, char* buffer, size_t size) const {
  return readAtOffset(static_cast<int>(handle_), offset, buffer, size);
}

}  // namespace kv884

#include "cli/replaced_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kv884 {

namespace {

// The temporary file to remove when the program is interrupted before it was renamed: a signal
// handler may read only plain memory, so the path is kept here, one export at a time.
char pendingPath[4096];
constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previousActions[std::size(kCleanedSignals)];

void removePendingAndDie(int signal) {
  if (pendingPath[0]) ::unlink(pendingPath);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void watchSignals(const std::string& path) {
  if (path.size() >= sizeof pendingPath) return;  // mkstemp would have refused it already
  std::memcpy(pendingPath, path.c_str(), path.size() + 1);
  struct sigaction action {};
  action.sa_handler = removePendingAndDie;
  sigemptyset(&action.sa_mask);
  for (size_t i = 0; i < std::size(kCleanedSignals); ++i)
    ::sigaction(kCleanedSignals[i], &action, &previousActions[i]);
}

void unwatchSignals() {
  for (size_t i = 0; i < std::size(kCleanedSignals); ++i)
    ::sigaction(kCleanedSignals[i], &previousActions[i], nullptr);
  pendingPath[0] = '\0';
}

// ".NAME.XXXXXX" in target's folder: hidden, and on the same file system, so the rename is one
// step.
std::string temporaryPattern(const std::string& target) {
  std::filesystem::path path(target);
  return (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
}

}  // namespace

FileError writeError(int errorNumber) {
  switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
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
    : target_(std::move(target)), temporary_(temporaryPattern(target_)) {
  // mkstemp creates the file with mode 0600 whatever the umask.
  fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
  if (fd_ < 0) throw writeError(errno);
  watchSignals(temporary_);
}

ReplacedFile::~ReplacedFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) ::unlink(temporary_.c_str());
  unwatchSignals();
}

void ReplacedFile::commit() {
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw writeError(errno);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) throw writeError(errno);
  committed_ = true;
}

}  // namespace kv884

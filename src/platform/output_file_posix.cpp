// The writer on a POSIX host. The temporary file is made with O_TMPFILE where the file system
// has it: a file without a name, which the kernel frees whatever ends the process, given its name
// by linkat only when complete. Elsewhere it is a named hidden file beside the target, removed on
// every way out this process controls (a thrown error, the signals that end a run from the
// terminal) and, after a kill no process can catch, by the next run for the same target.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/folder_guard.hpp"
#include "platform/fs_path.hpp"
#include "platform/output_file.hpp"
#include "platform/temporary_names.hpp"

namespace kv884 {

namespace {

// The named temporary files to remove when a signal ends the program: a signal handler may read
// only plain memory, so their paths are kept here.
std::array<std::array<char, 4096>, 8> pendingPaths;
constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

void removePendingAndDie(int signal) {
  for (auto& path : pendingPaths)
    if (path[0]) ::unlink(path.data());
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void watchSignals() {
  struct sigaction action {};
  action.sa_handler = removePendingAndDie;
  sigemptyset(&action.sa_mask);
  for (int signal : kCleanedSignals) {
    struct sigaction previous {};
    ::sigaction(signal, nullptr, &previous);
    if (previous.sa_handler == SIG_DFL) ::sigaction(signal, &action, nullptr);
  }
}

// The slot now holding path, or nullptr when all are taken (the sweep of the next run is then
// the only cleaner after a signal).
char* rememberPending(const std::string& path) {
  if (path.size() >= pendingPaths[0].size()) return nullptr;
  for (auto& slot : pendingPaths) {
    if (slot[0]) continue;
    std::memcpy(slot.data(), path.c_str(), path.size() + 1);
    watchSignals();
    return slot.data();
  }
  return nullptr;
}

// Refuses a target that exists but is no plain file, or that the user could not open for
// writing. A file with no write permission for anyone is refused even where the permissions do
// not bind (the superuser): someone made it read-only.
void checkReplaceable(const std::string& target) {
  struct stat status {};
  if (::stat(target.c_str(), &status) != 0) {
    if (errno == ENOENT) return;  // a new file; a missing folder shows when the file is made
    throw writeError(errno);
  }
  if (!S_ISREG(status.st_mode)) throw FileError(FileError::kPathFileAccess);
  if ((status.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
    throw FileError(FileError::kPermissionDenied);
}

// An unnamed file in folder, or -1 when the file system cannot make one.
int openUnnamed(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd >= 0) {
    // linkat names it through /proc; without /proc it could never be given a name.
    if (::access(("/proc/self/fd/" + std::to_string(fd)).c_str(), F_OK) == 0) return fd;
    ::close(fd);
    return -1;
  }
  if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return -1;
  throw writeError(errno);
}

void syncFolder(const std::string& folder) {
  // The file is in place and complete by now: a folder that cannot be synced (some file systems
  // do not sync folders) leaves only the rename's durability to the file system.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileError writeError(int errorNumber) {
  // The reading table serves, but for what writing means otherwise: a name that is not there is
  // a folder missing on the way, an exhausted quota is a full disc, and a loop of links on the
  // way to a target stays the access error it has always been reported as.
  switch (errorNumber) {
    case ENOENT:
      return FileError(FileError::kPathNotFound);
    case EDQUOT:
      return FileError(FileError::kDiskFull);
    case ELOOP:
      return FileError(FileError::kPathFileAccess);
    default:
      return FileError(std::error_code(errorNumber, std::generic_category()));
  }
}

struct OutputFile::Impl {
  std::string target;
  std::string folder;
  std::string temporary;   // /proc/self/fd/N for an unnamed file, else its name
  char* pending{nullptr};  // the named file's slot among the signal handler's paths
  int fd{-1};
  bool unnamed{false};
  bool committed{false};

  ~Impl() {
    if (fd >= 0) ::close(fd);
    if (!unnamed && !committed && !temporary.empty()) ::unlink(temporary.c_str());
    if (pending) pending[0] = '\0';
  }

  void makeNamed() {
    temporary = temporaryPattern(target);
    fd = ::mkostemp(temporary.data(), O_CLOEXEC);  // mode 0600 whatever the umask
    if (fd < 0) {
      const int error = errno;
      temporary.clear();
      throw writeError(error);
    }
    pending = rememberPending(temporary);
  }

  // Gives the unnamed file a name beside the target; the name.
  std::string link() const {
    for (;;) {
      std::string name = randomTemporaryName(temporaryPattern(target));
      if (::linkat(AT_FDCWD, temporary.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return name;
      if (errno != EEXIST) throw writeError(errno);
    }
  }
};

OutputFile::OutputFile(const std::string& target, const std::vector<std::string>& readOnlyFolders)
    : impl_(std::make_unique<Impl>()) {
  for (const std::string& folder : readOnlyFolders)
    if (liesWithin(target, folder))
      throw TargetInReadOnlyFolder(target + " lies in " + folder + ", which is only ever read");
  checkReplaceable(target);
  impl_->target = target;
  impl_->folder = orCurrentFolder(std::filesystem::path(target).parent_path()).string();
  sweepStaleTemporaries(target);
  impl_->fd = openUnnamed(impl_->folder);
  impl_->unnamed = impl_->fd >= 0;
  if (impl_->unnamed) {
    impl_->temporary = "/proc/self/fd/" + std::to_string(impl_->fd);
    ::fchmod(impl_->fd, 0600);  // the umask may have taken bits the owner needs
  } else {
    impl_->makeNamed();
  }
}

OutputFile::~OutputFile() = default;
OutputFile::OutputFile(OutputFile&&) noexcept = default;
OutputFile& OutputFile::operator=(OutputFile&&) noexcept = default;

void OutputFile::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(impl_->fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw writeError(errno);
    bytes.remove_prefix(static_cast<size_t>(n));
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
  struct stat status {};
  return ::fstat(impl_->fd, &status) == 0 ? static_cast<uint64_t>(status.st_size) : 0;
}

void OutputFile::commit() {
  Impl& file = *impl_;
  if (::fsync(file.fd) != 0) throw writeError(errno);
  const std::string named = file.unnamed ? file.link() : file.temporary;
  const int fd = file.fd;
  file.fd = -1;
  if (::close(fd) != 0 || ::rename(named.c_str(), file.target.c_str()) != 0) {
    const int error = errno;
    if (file.unnamed) ::unlink(named.c_str());
    throw writeError(error);
  }
  file.committed = true;
  syncFolder(file.folder);
}

}  // namespace kv884

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/fs_path.hpp"
#include "platform/output_file.hpp"
#include "platform/output_folder.hpp"
#include "platform/temporary_names.hpp"

namespace kv884 {

namespace {

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool isEmptyFolder(const std::string& path) {
  DIR* folder = ::opendir(path.c_str());
  if (!folder) throw writeError(errno);
  int entries = 0;
  while (const dirent* entry = ::readdir(folder))
    if (std::string_view name = entry->d_name; name != "." && name != "..") ++entries;
  ::closedir(folder);
  return entries == 0;
}

}  // namespace

PathState pathState(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT) return PathState::Missing;
    throw writeError(errno);
  }
  if (!S_ISDIR(status.st_mode)) return PathState::NotAFolder;
  return isEmptyFolder(path) ? PathState::EmptyFolder : PathState::Folder;
}

OutputFolder::OutputFolder(const std::string& target) : target_(target) {
  // "out/" names the folder out, whose temporary goes beside it, not into it.
  while (target_.size() > 1 && target_.back() == '/') target_.pop_back();
  sweepStaleTemporaries(target_);
  path_ = temporaryPattern(target_);
  if (!::mkdtemp(path_.data())) {
    const int error = errno;
    path_.clear();
    throw writeError(error);
  }
}

OutputFolder::~OutputFolder() {
  std::error_code ignored;
  if (!committed_ && !path_.empty()) std::filesystem::remove_all(path_, ignored);
}

const std::string& OutputFolder::path() const {
  return path_;
}

void OutputFolder::commit(bool replace) {
  syncFolder(path_);
  // rename puts a folder in place of nothing or of an empty folder; a folder that holds files
  // is swapped with the new one in one step, and goes under the build folder's name.
  if (::rename(path_.c_str(), target_.c_str()) == 0) {
    committed_ = true;
  } else if ((errno == ENOTEMPTY || errno == EEXIST) && replace) {
    if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) != 0)
      throw writeError(errno);
  } else {
    throw writeError(errno);
  }
  syncFolder(orCurrentFolder(std::filesystem::path(target_).parent_path()).string());
}

}  // namespace kv884

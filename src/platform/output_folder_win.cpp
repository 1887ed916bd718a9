// The folder writer on Windows, where a folder cannot be renamed over another: a target folder
// that holds files is first moved aside under a temporary name, and removed once the new one is
// in its place.

#include <windows.h>

#include <filesystem>

#include "platform/fs_path.hpp"
#include "platform/output_file.hpp"
#include "platform/output_folder.hpp"
#include "platform/temporary_names.hpp"
#include "platform/windows_error.hpp"
#include "platform/windows_path.hpp"

namespace kv884 {

namespace {

FileError lastWriteError() {
  return FileError(fileErrorOf(::GetLastError()));
}

bool move(const std::string& from, const std::string& to) {
  return ::MoveFileExW(windowsPathOf(from).c_str(), windowsPathOf(to).c_str(),
                       MOVEFILE_WRITE_THROUGH);
}

// Removes folder with all it holds (std::filesystem's remove_all is refused access under Wine).
void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  const HANDLE found = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
  for (bool more = found != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(found, &entry)) {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      removeTree(folder + L"\\" + name);
    else
      ::DeleteFileW((folder + L"\\" + name).c_str());
  }
  if (found != INVALID_HANDLE_VALUE) ::FindClose(found);
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

PathState pathState(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(windowsPathOf(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return PathState::Missing;
    throw FileError(fileErrorOf(error));
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return PathState::NotAFolder;
  std::error_code error;
  const bool empty = std::filesystem::is_empty(fsPathOf(path), error);
  if (error) throw FileError(error);
  return empty ? PathState::EmptyFolder : PathState::Folder;
}

OutputFolder::OutputFolder(const std::string& target) : target_(target) {
  // "out\" names the folder out, whose temporary goes beside it, not into it.
  while (target_.size() > 1 && (target_.back() == '/' || target_.back() == '\\'))
    target_.pop_back();
  if (hasOverlongName(windowsPathOf(target_))) throw FileError(FileError::kBadFileNameOrNumber);
  sweepStaleTemporaries(target_);
  for (;;) {
    path_ = randomTemporaryName(temporaryPattern(target_));
    if (::CreateDirectoryW(windowsPathOf(path_).c_str(), nullptr)) return;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) {
      path_.clear();
      throw lastWriteError();
    }
  }
}

OutputFolder::~OutputFolder() {
  if (!committed_ && !path_.empty()) removeTree(windowsPathOf(path_));
}

const std::string& OutputFolder::path() const {
  return path_;
}

void OutputFolder::commit(bool replace) {
  const PathState state = pathState(target_);
  if (state == PathState::EmptyFolder && !::RemoveDirectoryW(windowsPathOf(target_).c_str()))
    throw lastWriteError();
  if (state != PathState::Folder || !replace) {
    if (!move(path_, target_)) throw lastWriteError();
    committed_ = true;
    return;
  }
  // The old folder goes under a temporary name of its own, which the destructor then removes.
  const std::string aside = randomTemporaryName(temporaryPattern(target_));
  if (!move(target_, aside)) throw lastWriteError();
  if (!move(path_, target_)) {
    const FileError error = lastWriteError();
    move(aside, target_);
    throw error;
  }
  path_ = aside;
}

}  // namespace kv884

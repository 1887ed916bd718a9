#pragma once
// Maps a path as the program forms it (backslash separators, written for a case-insensitive
// file system) onto the host file system. Both "\" and "/" separate; a doubled separator counts
// once; a component that does not exist as written is looked up case-insensitively in its
// folder, because discs burned elsewhere carry names such as NTRIDX.

#include <string>
#include <string_view>

namespace kv884 {

struct HostPath {
  std::string path;           // host path (UTF-8), as far as it could be resolved
  bool folderMissing{false};  // a folder on the way does not exist (or is not a folder)
};

HostPath mapHostPath(std::u16string_view formedPath);

// True when the name exists, as a folder or as a file: the test for the index subfolder.
bool nameExists(std::u16string_view formedPath);

}  // namespace kv884

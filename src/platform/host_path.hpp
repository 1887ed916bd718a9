#pragma once
// Maps a path as the program forms it (backslash separators, written for a case-insensitive
// file system) onto the host file system. Both "\" and "/" separate; a doubled separator counts
// once; a component that does not exist as written is looked up case-insensitively in its
// folder, because discs burned elsewhere carry names such as NTRIDX.
//
// On POSIX a path is bytes: a folder name that is not UTF-8 (Big5 bytes, as a share from a
// Taiwanese office shows them) is carried through the program's UTF-16 texts with each byte
// that is not part of a UTF-8 character kept as the lone surrogate U+DC80 + (byte - 0x80), and
// turned back into that byte here, so the folder opens as given.

#include <string>
#include <string_view>

namespace kv884 {

struct HostPath {
  std::string path;           // host path (bytes), as far as it could be resolved
  bool folderMissing{false};  // a folder on the way does not exist (or is not a folder)
};

HostPath mapHostPath(std::u16string_view formedPath);

// True when the name exists, as a folder or as a file: the test for the index subfolder.
bool nameExists(std::u16string_view formedPath);

// A path given by the host (a command line argument) as the program's text, and back.
std::u16string pathTextOf(std::string_view hostBytes);
std::string hostBytesOf(std::u16string_view pathText);

// A formed path as the user knows paths on this host: with forward slashes on POSIX.
std::u16string shownPath(std::u16string_view formedPath);

}  // namespace kv884

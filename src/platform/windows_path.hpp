#pragma once
// A formed path as Windows opens it: absolute, normalised, and in the \\?\ form past MAX_PATH.
// A host path is the program's UTF-8 on Windows; Windows itself is only ever given UTF-16.

#include <string>
#include <string_view>

namespace kv884 {

std::wstring windowsPath(std::u16string_view formedPath);
// A host path (UTF-8) as Windows opens it.
std::wstring windowsPathOf(std::string_view hostPath);
// True when the path is longer than the 32,767 characters Windows takes, or a name on the way
// longer than the 255 that NTFS and FAT take (which some file systems, and Wine, report as a
// name not found).
bool hasOverlongName(std::wstring_view path);
// A path Windows gave, as the program's host path.
std::string hostPathOf(std::wstring_view windowsPath);

}  // namespace kv884

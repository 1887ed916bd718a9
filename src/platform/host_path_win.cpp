#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/host_path.hpp"
#include "platform/utf.hpp"
#include "platform/windows_path.hpp"

namespace kv884 {

// Windows itself treats both separators alike, a doubled one as one, and names case-insensitively;
// the \\?\ form past MAX_PATH is taken as it stands, so the path is made absolute and normalised
// first.
std::wstring windowsPath(std::u16string_view formed) {
  const std::wstring wide(formed.begin(), formed.end());
  DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::wstring full(size, L'\0');
  full.resize(::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr));
  if (full.size() < MAX_PATH || full.rfind(LR"(\\?\)", 0) == 0) return full;
  if (full.rfind(LR"(\\)", 0) == 0) return LR"(\\?\UNC\)" + full.substr(2);
  return LR"(\\?\)" + full;
}

std::wstring windowsPathOf(std::string_view hostPath) {
  return windowsPath(fromUtf8(hostPath));
}

bool hasOverlongName(std::wstring_view path) {
  if (path.size() > 32767) return true;
  for (size_t start = 0, end; start < path.size(); start = end + 1) {
    end = std::min(path.find(L'\\', start), path.size());
    if (end - start > 255) return true;
  }
  return false;
}

std::string hostPathOf(std::wstring_view windowsPath) {
  return toUtf8(std::u16string(windowsPath.begin(), windowsPath.end()));
}

HostPath mapHostPath(std::u16string_view formedPath) {
  return {hostPathOf(windowsPath(formedPath)), false};
}

bool nameExists(std::u16string_view formedPath) {
  return ::GetFileAttributesW(windowsPath(formedPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Arguments arrive as UTF-16 and are carried as UTF-8: every name Windows has is one of these.
std::u16string pathTextOf(std::string_view hostBytes) {
  return fromUtf8(hostBytes);
}

std::string hostBytesOf(std::u16string_view pathText) {
  return toUtf8(pathText);
}

// The backslashes the program forms are Windows' own.
std::u16string shownPath(std::u16string_view formedPath) {
  return std::u16string(formedPath);
}

}  // namespace kv884

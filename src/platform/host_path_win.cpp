#include <windows.h>

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

HostPath mapHostPath(std::u16string_view formedPath) {
  const std::wstring full = windowsPath(formedPath);
  return {toUtf8(std::u16string(full.begin(), full.end())), false};
}

bool nameExists(std::u16string_view formedPath) {
  return ::GetFileAttributesW(windowsPath(formedPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace kv884

#pragma once
// A host path as std::filesystem takes it. Its bytes are handed over as UTF-8, which on POSIX
// keeps them as they are and on Windows reads them as the program's UTF-8 (a plain std::string
// would go through the ANSI code page there and garble a Chinese name).

#include <filesystem>
#include <string_view>

namespace kv884 {

inline std::filesystem::path fsPathOf(std::string_view hostPath) {
  return std::u8string_view(reinterpret_cast<const char8_t*>(hostPath.data()), hostPath.size());
}

// An empty path, as the folder of a bare file name, is the current folder.
inline std::filesystem::path orCurrentFolder(const std::filesystem::path& folder) {
  return folder.empty() ? std::filesystem::path(".") : folder;
}

}  // namespace kv884

#include "platform/temporary_names.hpp"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <random>

#include "platform/fs_path.hpp"
#include "platform/processes.hpp"

namespace kv884 {

namespace fs = std::filesystem;

namespace {

// A name near the longest a folder takes is cut, so its temporary's name still fits; the cut
// falls before a whole UTF-8 character, which is how Windows reads the name.
constexpr size_t kNameKept = 200;

std::string prefixOf(const fs::path& target) {
  const std::string name = target.filename().string();
  size_t kept = std::min(name.size(), kNameKept);
  while (kept < name.size() && kept > 0 && (static_cast<unsigned char>(name[kept]) & 0xC0) == 0x80)
    --kept;
  return "." + name.substr(0, kept) + ".kv884-";
}

// True when name is prefix, a process number and "-XXXXXX", and that process is gone.
bool isStale(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix)) return false;
  name.remove_prefix(prefix.size());
  long pid = 0;
  auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (error != std::errc() || pid <= 0 ||
      std::string_view(end, name.data() + name.size()).size() != 7 || *end != '-')
    return false;
  return processHasEnded(pid);
}

}  // namespace

std::string temporaryPattern(const std::string& target) {
  const fs::path path = fsPathOf(target);
  return (path.parent_path() /
          fsPathOf(prefixOf(path) + std::to_string(currentProcessNumber()) + "-XXXXXX"))
      .string();
}

std::string randomTemporaryName(std::string pattern) {
  static std::mt19937 random{std::random_device{}()};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (size_t i = pattern.size() - 6; i < pattern.size(); ++i)
    pattern[i] = kLetters[random() % (sizeof kLetters - 1)];
  return pattern;
}

void sweepStaleTemporaries(const std::string& target) {
  const fs::path path = fsPathOf(target);
  const std::string prefix = prefixOf(path);
  std::error_code error;
  for (fs::directory_iterator it(orCurrentFolder(path.parent_path()), error), end;
       !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (isStale(it->path().filename().string(), prefix)) fs::remove_all(it->path(), ignored);
  }
}

}  // namespace kv884

#include "platform/folder_guard.hpp"

#include <filesystem>

#include "platform/fs_path.hpp"
#include "platform/host_path.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace fs = std::filesystem;

namespace {

// True when folder, or any folder above it, is the same folder as guarded.
bool isWithin(const fs::path& folder, const fs::path& guarded) {
  std::error_code error;
  fs::path at = fs::canonical(orCurrentFolder(folder), error);
  if (error) return false;
  for (;;) {
    if (fs::equivalent(at, guarded, error)) return true;
    if (at == at.root_path()) return false;
    at = at.parent_path();
  }
}

}  // namespace

bool liesWithin(const std::string& target, const std::string& folder) {
  const fs::path guarded = orCurrentFolder(fsPathOf(folder));
  const fs::path written = fsPathOf(target).parent_path();
  const fs::path mapped = fsPathOf(mapHostPath(fromUtf8(target)).path).parent_path();
  // The mapped path is looked at only where it differs: on a share or a disc every look at the
  // guarded folder is a request.
  return isWithin(written, guarded) || (mapped != written && isWithin(mapped, guarded));
}

}  // namespace kv884

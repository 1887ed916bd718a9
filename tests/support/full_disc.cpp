// A tmpfs mounted at the folder. Windows has no disc to mount at a folder from a test: the rows
// that need a full disc are skipped there.

#include "support/full_disc.hpp"

#ifndef _WIN32
#include <sys/mount.h>
#endif

#include <fstream>
#include <string>

namespace kv884::test {

FullDisc::FullDisc(const std::filesystem::path& folder, [[maybe_unused]] bool fillNow)
    : folder_(folder) {
#ifndef _WIN32
  std::filesystem::create_directories(folder);
  mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0;
  if (mounted_ && fillNow) fill();
#endif
}

void FullDisc::fill() const {
  std::ofstream fill(folder_ / "fill", std::ios::binary);
  const std::string page(4096, 'x');
  while (fill.write(page.data(), static_cast<std::streamsize>(page.size())) && fill.flush()) {
  }
}

FullDisc::~FullDisc() {
#ifndef _WIN32
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
#endif
}

}  // namespace kv884::test

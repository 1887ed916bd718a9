#include "support/full_disc.hpp"

#include <sys/mount.h>

#include <fstream>
#include <string>

namespace kv884::test {

FullDisc::FullDisc(const std::filesystem::path& folder, bool fillNow) : folder_(folder) {
  std::filesystem::create_directories(folder);
  mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0;
  if (mounted_ && fillNow) fill();
}

void FullDisc::fill() const {
  std::ofstream fill(folder_ / "fill", std::ios::binary);
  const std::string page(4096, 'x');
  while (fill.write(page.data(), static_cast<std::streamsize>(page.size())) && fill.flush()) {
  }
}

FullDisc::~FullDisc() {
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

}  // namespace kv884::test

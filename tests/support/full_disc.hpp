#pragma once
// A full disc at a folder: a tmpfs of a few pages mounted there, filled by fill() (at once
// unless asked to wait, so that files can be put there first), after which every write into it
// fails with "no space". Mounting needs the superuser's rights (CI runs as root); where
// it fails, mounted() is false and the rows that need the disc are skipped.

#include <filesystem>

namespace kv884::test {

class FullDisc {
 public:
  explicit FullDisc(const std::filesystem::path& folder, bool fillNow = true);
  ~FullDisc();  // unmounted, so the temporary folder can go
  FullDisc(const FullDisc&) = delete;
  FullDisc& operator=(const FullDisc&) = delete;

  bool mounted() const { return mounted_; }
  void fill() const;

 private:
  std::filesystem::path folder_;
  bool mounted_{false};
};

}  // namespace kv884::test

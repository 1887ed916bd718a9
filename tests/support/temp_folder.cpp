#include "support/temp_folder.hpp"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/host_path.hpp"
#include "platform/utf.hpp"

namespace fs = std::filesystem;

namespace kv884::test {

// A name nobody has taken: create_directory makes the folder only where none was.
TempFolder::TempFolder() {
  std::random_device random;
  do path_ = fs::temp_directory_path() / ("kv884-test-" + std::to_string(random()));
  while (!fs::create_directory(path_));
}

TempFolder::~TempFolder() {
  std::error_code ec;
  // Tests make copies read-only; give the owner write access back so everything can go.
  for (auto it = fs::recursive_directory_iterator(path_, ec);
       it != fs::recursive_directory_iterator(); it.increment(ec))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::u16string TempFolder::text() const {
  return fromUtf8(path_.string());
}

fs::path fixturePath(const std::string& name) {
  return fs::path(KV884_FIXTURES) / name;
}

fs::path copyFixture(const std::string& name, const fs::path& folder) {
  const fs::path target = folder / name;
  fs::create_directories(folder);
  fs::copy(fixturePath(name), target,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  // Writable copies, whatever the permissions of the checkout.
  fs::permissions(target, fs::perms::owner_all, fs::perm_options::add);
  for (const auto& entry : fs::recursive_directory_iterator(target))
    fs::permissions(entry.path(),
                    entry.is_directory() ? fs::perms::owner_all
                                         : fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add);
  return target;
}

bool permissionsKeepReadersOut() {
#ifdef _WIN32
  return false;
#else
  return ::geteuid() != 0;
#endif
}

std::u16string shownHere(std::u16string path) {
  std::replace(path.begin(), path.end(), u'/', u'\\');
  return shownPath(path);
}

std::string shownHere(const std::string& path) {
  return toUtf8(shownHere(fromUtf8(path)));
}

void writeFile(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::map<std::string, std::string> contentsOf(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().lexically_relative(folder).string();
    const fs::file_status status = entry.symlink_status();  // a link, not where it leads
    contents[name] = fs::is_symlink(status)     ? "->"
                     : fs::is_directory(status) ? "/"
                                                : readFile(entry.path());
  }
  return contents;
}

}  // namespace kv884::test

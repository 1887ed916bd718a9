#include "platform/host_path.hpp"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <vector>

#include "platform/utf.hpp"

namespace kv884 {

namespace {

bool isSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

std::vector<std::string> splitComponents(std::u16string_view formed) {
  std::vector<std::string> parts;
  size_t i = 0;
  while (i < formed.size()) {
    while (i < formed.size() && isSeparator(formed[i])) ++i;
    size_t start = i;
    while (i < formed.size() && !isSeparator(formed[i])) ++i;
    if (i > start) parts.push_back(toUtf8(formed.substr(start, i - start)));
  }
  return parts;
}

bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

bool isDirectory(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The entry of folder whose name equals name ignoring ASCII case, or empty text.
std::string findIgnoringCase(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return {};
  std::string found;
  while (dirent* entry = ::readdir(dir)) {
    if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

std::string join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder == "/") return "/" + name;
  return folder + "/" + name;
}

}  // namespace

HostPath mapHostPath(std::u16string_view formedPath) {
  HostPath result;
  bool absolute = !formedPath.empty() && isSeparator(formedPath.front());
  std::string current = absolute ? "/" : "";
  std::vector<std::string> parts = splitComponents(formedPath);
  for (size_t i = 0; i < parts.size(); ++i) {
    bool last = i + 1 == parts.size();
    std::string candidate = join(current, parts[i]);
    if (!exists(candidate)) {
      std::string other = findIgnoringCase(current, parts[i]);
      if (!other.empty()) candidate = join(current, other);
    }
    if (!last && !isDirectory(candidate)) result.folderMissing = true;
    current = candidate;
  }
  result.path = current.empty() ? "." : current;
  return result;
}

bool nameExists(std::u16string_view formedPath) {
  HostPath host = mapHostPath(formedPath);
  return !host.folderMissing && exists(host.path);
}

}  // namespace kv884

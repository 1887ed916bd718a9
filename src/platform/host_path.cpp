#include "platform/host_path.hpp"

#include <strings.h>

#include <algorithm>
#include <filesystem>

#include "platform/utf.hpp"

namespace kv884 {

namespace fs = std::filesystem;

namespace {

// The name of the entry of folder that equals name ignoring ASCII case; name when none does.
std::string findIgnoringCase(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
       it.increment(ec))
    if (::strcasecmp(it->path().filename().c_str(), name.c_str()) == 0)
      return it->path().filename();
  return name;
}

}  // namespace

HostPath mapHostPath(std::u16string_view formedPath) {
  const std::string formed = toUtf8(formedPath);
  const char* const kSeparators = "\\/";
  HostPath result;
  fs::path current = formed.find_first_of(kSeparators) == 0 ? "/" : "";
  std::error_code ec;
  for (size_t start = 0, end; start < formed.size(); start = end + 1) {
    end = std::min(formed.find_first_of(kSeparators, start), formed.size());
    if (end == start) continue;  // a doubled separator counts once
    std::string name = formed.substr(start, end - start);
    if (!current.empty() && !fs::is_directory(current, ec)) result.folderMissing = true;
    if (!fs::exists(current / name, ec)) name = findIgnoringCase(current, name);
    current /= name;
  }
  result.path = current.empty() ? "." : current.string();
  return result;
}

bool nameExists(std::u16string_view formedPath) {
  std::error_code ec;
  return fs::exists(mapHostPath(formedPath).path, ec);  // never behind a missing folder
}

}  // namespace kv884

#include "platform/host_path.hpp"

#include <strings.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <filesystem>

#include "platform/fs_path.hpp"

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

// A folder on the way is missing when it is not there or is no folder; one the user may not
// enter is left for the opening to report as a permission problem.
bool isMissingFolder(const fs::path& folder) {
  std::error_code ec;
  const fs::file_status status = fs::status(folder, ec);
  return status.type() == fs::file_type::not_found ||
         (status.type() != fs::file_type::none && !fs::is_directory(status));
}

constexpr char16_t kEscapedByte = 0xDC00;  // + the byte, for 0x80 to 0xFF

}  // namespace

std::u16string pathTextOf(std::string_view hostBytes) {
  std::u16string text;
  const auto* bytes = reinterpret_cast<const uint8_t*>(hostBytes.data());
  const auto length = static_cast<int32_t>(hostBytes.size());
  for (int32_t i = 0; i < length;) {
    const int32_t start = i;
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) {
      i = start + 1;
      text += static_cast<char16_t>(kEscapedByte + bytes[start]);
    } else if (U_IS_BMP(c)) {
      text += static_cast<char16_t>(c);
    } else {
      text += U16_LEAD(c);
      text += U16_TRAIL(c);
    }
  }
  return text;
}

std::string hostBytesOf(std::u16string_view pathText) {
  std::string bytes;
  const auto length = static_cast<int32_t>(pathText.size());
  for (int32_t i = 0; i < length;) {
    const char16_t unit = pathText[static_cast<size_t>(i)];
    if (unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF) {
      bytes += static_cast<char>(unit - kEscapedByte);
      ++i;
      continue;
    }
    UChar32 c;
    U16_NEXT(pathText.data(), i, length, c);
    if (U_IS_SURROGATE(c)) c = 0xFFFD;
    uint8_t encoded[U8_MAX_LENGTH];
    int32_t n = 0;
    U8_APPEND_UNSAFE(encoded, n, c);  // c is a scalar value, which always fits
    bytes.append(reinterpret_cast<const char*>(encoded), static_cast<size_t>(n));
  }
  return bytes;
}

std::u16string shownPath(std::u16string_view formedPath) {
  std::u16string shown(formedPath);
  for (char16_t& c : shown)
    if (c == u'\\') c = u'/';
  return shown;
}

namespace {

constexpr const char* kSeparators = "\\/";

// Calls each(name) for every name of the formed path in turn, a doubled separator counting once;
// the path begins at the root when the formed path begins with a separator.
template <typename Each>
fs::path walkNames(const std::string& formed, Each each) {
  fs::path current = formed.find_first_of(kSeparators) == 0 ? "/" : "";
  for (size_t start = 0, end; start < formed.size(); start = end + 1) {
    end = std::min(formed.find_first_of(kSeparators, start), formed.size());
    if (end == start) continue;
    each(current, formed.substr(start, end - start));
  }
  return current;
}

}  // namespace

HostPath mapHostPath(std::u16string_view formedPath) {
  const std::string formed = hostBytesOf(formedPath);
  std::error_code ec;
  // Nearly always the path is there as written: one look at it then does.
  const fs::path written =
      walkNames(formed, [](fs::path& current, const std::string& name) { current /= name; });
  if (fs::exists(written, ec)) return {orCurrentFolder(written).string()};
  HostPath result;
  const fs::path mapped = walkNames(formed, [&](fs::path& current, std::string name) {
    if (!current.empty() && isMissingFolder(current)) result.folderMissing = true;
    if (!fs::exists(current / name, ec)) name = findIgnoringCase(current, name);
    current /= name;
  });
  result.path = orCurrentFolder(mapped).string();
  return result;
}

bool nameExists(std::u16string_view formedPath) {
  std::error_code ec;
  return fs::exists(mapHostPath(formedPath).path, ec);  // never behind a missing folder
}

}  // namespace kv884

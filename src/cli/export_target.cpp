#include "cli/export_target.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "dataset/data_paths.hpp"
#include "platform/host_path.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace fs = std::filesystem;

namespace {

bool endsWithIgnoringCase(const std::string& text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), text.end() - ending.size(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

struct Identity {
  dev_t device;
  ino_t inode;
  bool operator==(const Identity&) const = default;
};

std::optional<Identity> identityOf(const fs::path& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return Identity{st.st_dev, st.st_ino};
}

// True when folder, or any folder above it, is the same folder as target.
bool isWithin(const fs::path& folder, const Identity& target) {
  std::error_code error;
  fs::path at = fs::canonical(folder.empty() ? fs::path(".") : folder, error);
  if (error) return false;
  for (;;) {
    if (identityOf(at) == target) return true;
    if (at == at.root_path()) return false;
    at = at.parent_path();
  }
}

}  // namespace

std::optional<ExportFormat> exportFormatOf(const std::string& file) {
  if (endsWithIgnoringCase(file, ".csv")) return ExportFormat::Csv;
  if (endsWithIgnoringCase(file, ".xlsx")) return ExportFormat::Xlsx;
  return std::nullopt;
}

bool liesInDataFolder(const std::string& file, const std::u16string& folderText) {
  // The folder the program reads: the one that holds ntridx, as the paths are formed.
  const fs::path dataFolder = fs::path(mapHostPath(indexFolderPath(folderText)).path).parent_path();
  std::optional<Identity> data = identityOf(dataFolder.empty() ? fs::path(".") : dataFolder);
  if (!data) return false;
  const fs::path written = fs::path(file).parent_path();
  const fs::path mapped = fs::path(mapHostPath(fromUtf8(file)).path).parent_path();
  return isWithin(written, *data) || isWithin(mapped, *data);
}

}  // namespace kv884

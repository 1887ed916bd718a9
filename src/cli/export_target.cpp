#include "cli/export_target.hpp"

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

fs::path orCurrent(const fs::path& folder) {
  return folder.empty() ? fs::path(".") : folder;
}

// True when folder, or any folder above it, is the same folder as target, whatever links lead
// to either.
bool isWithin(const fs::path& folder, const fs::path& target) {
  std::error_code error;
  fs::path at = fs::canonical(orCurrent(folder), error);
  if (error) return false;
  for (;;) {
    if (fs::equivalent(at, target, error)) return true;
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
  const fs::path data =
      orCurrent(fs::path(mapHostPath(indexFolderPath(folderText)).path).parent_path());
  const fs::path written = fs::path(file).parent_path();
  const fs::path mapped = fs::path(mapHostPath(fromUtf8(file)).path).parent_path();
  return isWithin(written, data) || isWithin(mapped, data);
}

}  // namespace kv884

#include "cli/export_target.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "dataset/data_paths.hpp"
#include "platform/fs_path.hpp"
#include "platform/host_path.hpp"

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

}  // namespace

std::optional<ExportFormat> exportFormatOf(const std::string& file) {
  if (endsWithIgnoringCase(file, ".csv")) return ExportFormat::Csv;
  if (endsWithIgnoringCase(file, ".xlsx")) return ExportFormat::Xlsx;
  return std::nullopt;
}

std::string dataFolderOnHost(const std::u16string& folderText) {
  // The folder the program reads: the one that holds ntridx, as the paths are formed.
  const fs::path data = fs::path(mapHostPath(indexFolderPath(folderText)).path).parent_path();
  return orCurrentFolder(data).string();
}

}  // namespace kv884

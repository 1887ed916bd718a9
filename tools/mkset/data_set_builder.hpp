#pragma once
// Writes a whole data set folder from a list of holders: the holder data file, the two index
// files, the security descriptor and the count report.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "dataset/descriptor.hpp"
#include "mkset/holder.hpp"

namespace kv884::mkset {

struct DataSetOptions {
  SecurityItems security;
  std::optional<std::u16string> reportText;  // computed from the holders when absent
  std::optional<int64_t> runLength;          // the smallest that fits when absent
  int runsPerPage = 100;
  uint64_t seed = 884;
};

struct BuildSummary {
  int64_t holders = 0;
  int64_t runLength = 0;
  std::array<int64_t, 4> leafPages{};  // indexed by kind - 1
};

// Writes the files into folder (made when missing; its parent must exist), each through the
// writer. Throws MksetError when the holders cannot form a data set with these options (a
// descriptor item holding a double quote or a line break included), FileError when a file cannot
// be written.
BuildSummary buildDataSet(const std::filesystem::path& folder, const std::vector<Holder>& holders,
                          const DataSetOptions& options);

}  // namespace kv884::mkset

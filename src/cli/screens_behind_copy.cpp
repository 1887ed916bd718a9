#include "cli/screens_behind_copy.hpp"

#include <algorithm>

#include "cli/holder_row.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/set_copy.hpp"
#include "platform/file_error.hpp"
#include "platform/file_table.hpp"

namespace kv884 {

namespace {

// Holder data records read from the copy at once: 4 MB.
constexpr int64_t kHoldersARead = 32768;

// The boxes a search shows apart from those its holder's records fill (fillRecordBoxes): the
// ring's positions and the data date, the same on every screen a fresh window shows first.
bool sameBesidesTheHolder(const QueryControls& a, const QueryControls& b) {
  return a.tx_o_pnt.text == b.tx_o_pnt.text && a.tx_o_23.text == b.tx_o_23.text;
}

}  // namespace

ScreensBehindCopy::ScreensBehindCopy(FileTable& files, SetCopy& copy) : files_(files), copy_(copy) {
  files_.setRecordSource([](int fileNo, int64_t, std::string& bytes) {
    if (fileNo != kHolderDataFile) return false;
    bytes.assign(kHolderRecordLength, ' ');
    return true;
  });
}

ScreensBehindCopy::~ScreensBehindCopy() {
  files_.setRecordSource(nullptr);
}

bool ScreensBehindCopy::keep(size_t index, const QueryWindow& window) {
  if (!first_) first_.emplace(window);
  if (!sameBesidesTheHolder(*first_, window)) return false;
  kept_.push_back({static_cast<uint32_t>(window.m_DataRecNo),
                   static_cast<uint32_t>(window.m_HistIdxd[window.m_HistPos]),
                   static_cast<uint32_t>(index)});
  return true;
}

std::vector<size_t> ScreensBehindCopy::makeScreens(
    const std::function<void(size_t index, const QueryControls& screen)>& take,
    const std::u16string& securityName, const std::u16string& decimalFlag) {
  std::sort(kept_.begin(), kept_.end(),
            [](const Kept& a, const Kept& b) { return a.dataNo < b.dataNo; });
  std::string data, detail;
  HolderRow screen(*first_, securityName, decimalFlag);
  size_t made = 0;
  try {
    int64_t first = 0;  // the record number, from 0, data begins with
    for (; made < kept_.size(); ++made) {
      const Kept& kept = kept_[made];
      if (made == 0 || kept.dataNo > first + kHoldersARead) {
        first = kept.dataNo - 1;
        data.assign(kHoldersARead * kHolderRecordLength, ' ');
        // Fewer bytes at the end of the file: a partly present last record keeps its blanks.
        copy_.readCopied(kHolderDataFile, first * kHolderRecordLength, data.data(), data.size());
      }
      files_.readRecordInto(kDetailIndexFile, kept.detailNo, detail);
      take(kept.index, screen.boxesOf(detail, std::string_view(data).substr(
                                                  static_cast<size_t>(kept.dataNo - 1 - first) *
                                                      kHolderRecordLength,
                                                  kHolderRecordLength)));
    }
  } catch (const FileError&) {
    // the copy failed: the rest is searched for again on the medium
  }
  std::vector<size_t> again;
  for (; made < kept_.size(); ++made) again.push_back(kept_[made].index);
  return again;
}

}  // namespace kv884

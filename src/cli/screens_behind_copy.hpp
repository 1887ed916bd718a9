#pragma once
// A batch's searches while the holder data file is still being copied from a slow medium
// (SetCopy::startCompleting): while this lives, every holder data record that the window reads
// stands in as blanks, which no search looks at but to show it. Each found holder's screen is
// made afterwards, once the copy holds its record, from the boxes the search left and the
// holder's two records as ShowRecord fills the boxes from them, in the order of the holder data
// file: the searches then run while the medium answers instead of after it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "querywin/query_controls.hpp"

namespace kv884 {

class FileTable;
class QueryWindow;
class SetCopy;

class ScreensBehindCopy {
 public:
  ScreensBehindCopy(FileTable& files, SetCopy& copy);
  ~ScreensBehindCopy();
  ScreensBehindCopy(const ScreensBehindCopy&) = delete;
  ScreensBehindCopy& operator=(const ScreensBehindCopy&) = delete;

  // After a search that found a holder, in window: its screen is made later, under index. False
  // where the boxes that do not show the holder differ from those of the first screen kept: the
  // key is to be searched for again once the copy is complete.
  bool keep(size_t index, const QueryWindow& window);

  // Each kept screen to take, in the order of the holder data file as the copy reaches it; the
  // indexes of those that could not be made because the copy failed, to be searched for again
  // on the medium.
  std::vector<size_t> makeScreens(
      const std::function<void(size_t index, const QueryControls& screen)>& take,
      const std::u16string& securityName, const std::u16string& decimalFlag);

 private:
  struct Kept {
    uint32_t dataNo;
    uint32_t detailNo;
    uint32_t index;
  };

  FileTable& files_;
  SetCopy& copy_;
  std::optional<QueryControls> first_;  // the boxes of the first screen kept
  std::vector<Kept> kept_;
};

}  // namespace kv884

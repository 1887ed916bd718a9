#include "cli/key_order_rows.hpp"

#include <algorithm>
#include <string>

namespace kv884 {

namespace {

// Places a stretch: 65,536 rows of some 150 bytes (a CSV line; a workbook's texts some 300) are
// what is held while they are handed over.
constexpr size_t kPlacesPerStretch = 65536;

}  // namespace

KeyOrderRows::KeyOrderRows(size_t places)
    : stretches_((places + kPlacesPerStretch - 1) / kPlacesPerStretch), rows_(places) {}

void KeyOrderRows::put(size_t place, std::string_view bytes) {
  const size_t at = stretches_.append(place / kPlacesPerStretch, bytes);
  rows_[place] = {static_cast<uint32_t>(at), static_cast<uint32_t>(bytes.size())};
}

size_t KeyOrderRows::writeInOrder(const std::function<void(std::string_view row)>& write) {
  std::string bytes;
  for (size_t place = 0; place < rows_.size(); ++place) {
    if (place % kPlacesPerStretch == 0) stretches_.readBack(place / kPlacesPerStretch, bytes);
    const Row row = rows_[place];
    if (row.length == kNone) return place;
    write(std::string_view(bytes).substr(row.at, row.length));
  }
  return rows_.size();
}

}  // namespace kv884

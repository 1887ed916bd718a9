#include "dataset/order_read_ahead.hpp"

#include <algorithm>

#include "dataset/data_paths.hpp"
#include "platform/file_error.hpp"

namespace kv884 {

OrderReadAhead::OrderReadAhead(FileTable& files, const ChainOrder& order, size_t stretchLength)
    : files_(files),
      order_(order.records),
      placeOf_(static_cast<size_t>(files.recordCount(kDetailIndexFile)) + 1, kOffTheOrder),
      stretchLength_(stretchLength) {
  for (size_t place = 0; place < order_.size(); ++place)
    placeOf_[order_[place]] = static_cast<uint32_t>(place);
}

bool OrderReadAhead::serve(int fileNo, int64_t recNo, std::string& bytes) {
  if (fileNo == kDetailIndexFile) return serveDetail(recNo, bytes);
  if (fileNo == kHolderDataFile) return serveData(recNo, bytes);
  return false;
}

bool OrderReadAhead::serveDetail(int64_t recNo, std::string& bytes) {
  if (recNo < 1 || static_cast<size_t>(recNo) >= placeOf_.size()) return false;
  const uint32_t place = placeOf_[static_cast<size_t>(recNo)];
  if (place == kOffTheOrder) return false;
  for (const Held& held : held_) {
    if (place >= held.begin && place < held.begin + held.records.size()) {
      bytes.assign(held.records.detail(place - held.begin));
      return true;
    }
  }
  const int older = 1 - latest_;
  try {
    readStretch(place, held_[older]);
  } catch (const FileError&) {
    held_[older].records.read(files_, {});
    held_[older].dataAt.clear();
    return false;  // the file itself answers, as it would without the read-ahead
  }
  latest_ = older;
  bytes.assign(held_[older].records.detail(0));
  return true;
}

bool OrderReadAhead::serveData(int64_t recNo, std::string& bytes) const {
  for (const Held& held : held_) {
    auto at = held.dataAt.find(static_cast<uint32_t>(recNo));
    if (at != held.dataAt.end()) {
      bytes.assign(held.records.data(at->second));
      return true;
    }
  }
  return false;
}

void OrderReadAhead::readStretch(size_t begin, Held& held) {
  const size_t end = std::min(order_.size(), begin + stretchLength_);
  wanted_.assign(order_.begin() + static_cast<std::ptrdiff_t>(begin),
                 order_.begin() + static_cast<std::ptrdiff_t>(end));
  held.begin = begin;
  held.dataAt.clear();
  held.records.read(files_, wanted_);
  for (size_t i = 0; i < held.records.size(); ++i)
    if (!held.records.data(i).empty()) held.dataAt.emplace(held.records.dataNo(i), i);
}

}  // namespace kv884

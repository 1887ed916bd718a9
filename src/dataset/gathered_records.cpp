#include "dataset/gathered_records.hpp"

#include <algorithm>
#include <memory>

namespace kv884 {

namespace {

// Records closer than this are read together with what lies between them: skipping fewer bytes
// costs more, on a share or a disc, than reading them.
constexpr int64_t kBridgedBytes = 256 << 10;
// The most one read takes, so that a run over the whole file still reads in pieces.
constexpr int64_t kMostRead = 4 << 20;

}  // namespace

void GatheredRecords::gather(FileTable& files, int fileNo, const std::vector<uint32_t>& recNos) {
  recordLength_ = static_cast<size_t>(files.recordLength(fileNo));
  records_.assign(recNos.size() * recordLength_, ' ');
  present_.assign(recNos.size(), false);
  const int64_t count = files.recordCount(fileNo);
  // Record number and list position in one integer: sorting plain integers is several times
  // faster than sorting positions through the list.
  sorted_.clear();
  for (size_t i = 0; i < recNos.size(); ++i)
    if (recNos[i] >= 1 && recNos[i] <= count) sorted_.push_back(uint64_t{recNos[i]} << 32 | i);
  std::sort(sorted_.begin(), sorted_.end());
  const auto length = static_cast<int64_t>(recordLength_);
  // One read; given back when the gathering is done. Not filled beforehand: the bytes read
  // overwrite it.
  const auto run = std::make_unique_for_overwrite<char[]>(kMostRead + recordLength_);
  for (size_t from = 0; from < sorted_.size();) {
    size_t to = from + 1;
    while (to < sorted_.size() && (recordAt(to) - recordAt(to - 1)) * length <= kBridgedBytes &&
           (recordAt(to) - recordAt(from) + 1) * length <= kMostRead)
      ++to;
    readRun(files, fileNo, from, to, run.get());
    from = to;
  }
}

void GatheredRecords::readRun(FileTable& files, int fileNo, size_t from, size_t to, char* run) {
  const int64_t first = recordAt(from);
  const auto span = static_cast<size_t>(recordAt(to - 1) - first + 1) * recordLength_;
  const size_t got =
      files.readBytes(fileNo, (first - 1) * static_cast<int64_t>(recordLength_), run, span);
  std::fill(run + got, run + span, ' ');  // a last record only partly present
  for (size_t k = from; k < to; ++k) {
    const size_t i = sorted_[k] & UINT32_MAX;
    const auto at = static_cast<size_t>(recordAt(k) - first) * recordLength_;
    std::copy_n(run + at, recordLength_, records_.data() + i * recordLength_);
    present_[i] = true;
  }
}

std::string_view GatheredRecords::operator[](size_t i) const {
  if (!present_[i]) return {};
  return std::string_view(records_).substr(i * recordLength_, recordLength_);
}

}  // namespace kv884

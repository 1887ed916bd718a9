#include "dataset/gathered_records.hpp"

#include <algorithm>
#include <numeric>

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
  std::vector<size_t> sorted;
  sorted.reserve(recNos.size());
  for (size_t i = 0; i < recNos.size(); ++i)
    if (recNos[i] >= 1 && recNos[i] <= count) sorted.push_back(i);
  std::sort(sorted.begin(), sorted.end(),
            [&](size_t a, size_t b) { return recNos[a] < recNos[b]; });
  const auto length = static_cast<int64_t>(recordLength_);
  std::string run;  // one read; given back when the gathering is done
  for (size_t from = 0; from < sorted.size();) {
    size_t to = from + 1;
    while (to < sorted.size() &&
           (recNos[sorted[to]] - recNos[sorted[to - 1]]) * length <= kBridgedBytes &&
           (recNos[sorted[to]] - recNos[sorted[from]] + 1) * length <= kMostRead)
      ++to;
    readRun(files, fileNo, recNos, sorted, from, to, run);
    from = to;
  }
}

void GatheredRecords::readRun(FileTable& files, int fileNo, const std::vector<uint32_t>& recNos,
                              const std::vector<size_t>& sorted, size_t from, size_t to,
                              std::string& run) {
  const int64_t first = recNos[sorted[from]];
  const auto span = static_cast<size_t>(recNos[sorted[to - 1]] - first + 1) * recordLength_;
  run.assign(span, ' ');  // a last record only partly present keeps its blanks
  files.readBytes(fileNo, (first - 1) * static_cast<int64_t>(recordLength_), run.data(), span);
  for (size_t k = from; k < to; ++k) {
    const size_t i = sorted[k];
    const auto at = static_cast<size_t>(recNos[i] - first) * recordLength_;
    std::copy_n(run.data() + at, recordLength_, records_.data() + i * recordLength_);
    present_[i] = true;
  }
}

std::string_view GatheredRecords::operator[](size_t i) const {
  if (!present_[i]) return {};
  return std::string_view(records_).substr(i * recordLength_, recordLength_);
}

}  // namespace kv884

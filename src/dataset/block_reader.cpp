#include "dataset/block_reader.hpp"

#include <algorithm>
#include <chrono>
#include <limits>
#include <string>
#include <vector>

namespace kv884 {

bool RecordFileSize::partial() const {
  return recordLength > 0 && length % recordLength != 0;
}

RecordFileSize readRecordFile(FileTable& files, int fileNo, const RecordVisitor& visit) {
  RecordFileSize size{files.length(fileNo), 0, files.recordLength(fileNo)};
  const auto length = static_cast<size_t>(size.recordLength);
  std::vector<char> block((kBlockBytes / length) * length);
  std::string padded;
  for (int64_t offset = 0; offset < size.length;) {
    const size_t wanted = std::min(block.size(), static_cast<size_t>(size.length - offset));
    const size_t got = files.readBytes(fileNo, offset, block.data(), wanted);
    if (got == 0) break;  // the file was cut short after it was opened
    for (size_t at = 0; at < got; at += length) {
      std::string_view bytes(block.data() + at, std::min(length, got - at));
      if (bytes.size() < length) {
        padded.assign(bytes);
        padded.resize(length, ' ');
        bytes = padded;
      }
      visit(++size.records, bytes);
    }
    offset += static_cast<int64_t>(got);
  }
  return size;
}

double secondsToReadBlock(FileTable& files, int fileNo, std::vector<char>& block) {
  double quickest = std::numeric_limits<double>::max();
  for (int read = 0; read < 2; ++read) {
    const auto start = std::chrono::steady_clock::now();
    files.readBytes(fileNo, 0, block.data(), block.size());
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    quickest = std::min(quickest, spent.count());
  }
  return quickest;
}

}  // namespace kv884

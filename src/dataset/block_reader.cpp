#include "dataset/block_reader.hpp"

#include <algorithm>
#include <chrono>
#include <future>
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
  std::vector<char> block((kBlockBytes / length) * length), next(block.size());
  auto readAt = [&](int64_t offset, std::vector<char>& into) {
    const size_t wanted = std::min(into.size(), static_cast<size_t>(size.length - offset));
    return files.readBytes(fileNo, offset, into.data(), wanted);
  };
  std::string padded;
  size_t got = size.length > 0 ? readAt(0, block) : 0;
  for (int64_t offset = 0; got > 0;) {
    // The next block is read while this one is visited: from a slow medium the visits then cost
    // no time of their own. The visits read nothing of the table.
    const int64_t nextOffset = offset + static_cast<int64_t>(got);
    std::future<size_t> nextGot =
        nextOffset < size.length
            ? std::async(std::launch::async, readAt, nextOffset, std::ref(next))
            : std::async(std::launch::deferred, [] { return size_t{0}; });
    for (size_t at = 0; at < got; at += length) {
      std::string_view bytes(block.data() + at, std::min(length, got - at));
      if (bytes.size() < length) {
        padded.assign(bytes);
        padded.resize(length, ' ');
        bytes = padded;
      }
      visit(++size.records, bytes);
    }
    offset = nextOffset;
    got = nextGot.get();  // 0: the end, or the file was cut short after it was opened
    block.swap(next);
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

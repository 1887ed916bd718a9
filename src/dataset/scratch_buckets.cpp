#include "dataset/scratch_buckets.hpp"

#include <algorithm>

#include "platform/file_error.hpp"

namespace kv884 {

namespace {

// A bucket's bytes are written to the file in pieces of about this size.
constexpr size_t kPieceBytes = 256 << 10;

}  // namespace

ScratchBuckets::ScratchBuckets(size_t buckets) : buckets_(buckets) {}

size_t ScratchBuckets::append(size_t bucket, std::string_view bytes) {
  Bucket& b = buckets_[bucket];
  const size_t at = b.bytes;
  b.pending.append(bytes);
  b.bytes += bytes.size();
  if (b.pending.size() >= kPieceBytes) writePending(b);
  return at;
}

void ScratchBuckets::writePending(Bucket& bucket) {
  file_.writeAt(end_, bucket.pending);
  bucket.written.emplace_back(end_, bucket.pending.size());
  end_ += static_cast<int64_t>(bucket.pending.size());
  bucket.pending.clear();
}

void ScratchBuckets::readBack(size_t bucket, std::string& bytes) {
  Bucket& b = buckets_[bucket];
  bytes.resize(b.bytes);
  size_t at = 0;
  for (const auto& [offset, length] : b.written) {
    if (file_.readAt(offset, bytes.data() + at, length) != length)
      throw FileError(FileError::kDeviceIo);
    at += length;
  }
  std::copy(b.pending.begin(), b.pending.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace kv884

#include "cli/spilled_lines.hpp"

#include <algorithm>
#include <cerrno>
#include <numeric>
#include <system_error>

#include "platform/file_error.hpp"

namespace kv884 {

namespace {

// The lines written out together: gathered from the file in one pass over it, a block read at a
// time, instead of one read a line.
constexpr size_t kChunkBytes = 4 << 20;
constexpr size_t kReadBytes = 1 << 20;

}  // namespace

SpilledLines::SpilledLines() : file_(std::tmpfile()) {}

SpilledLines::~SpilledLines() {
  if (file_) std::fclose(file_);
}

void SpilledLines::startRound(size_t lines) {
  places_.assign(lines, {});
  held_.clear();
  end_ = 0;
  blockLength_ = 0;
  if (file_) std::rewind(file_);
}

void SpilledLines::put(size_t line, std::string_view text) {
  if (file_ && std::fwrite(text.data(), 1, text.size(), file_) == text.size()) {
    places_[line] = {end_, static_cast<uint32_t>(text.size())};
    end_ += static_cast<int64_t>(text.size());
    return;
  }
  held_[line] = text;
}

void SpilledLines::writeInOrder(std::ostream& out) {
  if (file_) std::fflush(file_);
  for (size_t from = 0; from < places_.size();) {
    size_t to = from + 1;
    size_t bytes = places_[from].length;
    for (; to < places_.size() && bytes + places_[to].length <= kChunkBytes; ++to)
      bytes += places_[to].length;
    gatherChunk(from, to);
    for (size_t line = from; line < to; ++line) {
      const Place& place = places_[line];
      out << (place.offset < 0 ? std::string_view(held_.at(line))
                               : std::string_view(chunk_).substr(place.inChunk, place.length))
          << '\n';
    }
    from = to;
  }
  if (file_) std::fseek(file_, 0, SEEK_END);
}

void SpilledLines::gatherChunk(size_t from, size_t to) {
  std::vector<size_t> byOffset;
  size_t bytes = 0;
  for (size_t line = from; line < to; ++line) {
    if (places_[line].offset < 0) continue;
    places_[line].inChunk = static_cast<uint32_t>(bytes);
    bytes += places_[line].length;
    byOffset.push_back(line);
  }
  std::sort(byOffset.begin(), byOffset.end(),
            [&](size_t a, size_t b) { return places_[a].offset < places_[b].offset; });
  chunk_.resize(bytes);
  for (size_t line : byOffset) {
    const Place& place = places_[line];
    const std::string_view text = readAt(place.offset, place.length);
    std::copy(text.begin(), text.end(),
              chunk_.begin() + static_cast<std::ptrdiff_t>(place.inChunk));
  }
}

std::string_view SpilledLines::readAt(int64_t offset, size_t length) {
  if (offset < blockStart_ ||
      offset + static_cast<int64_t>(length) > blockStart_ + static_cast<int64_t>(blockLength_)) {
    block_.resize(std::max(kReadBytes, length));
    blockStart_ = offset;
    blockLength_ = std::fseek(file_, offset, SEEK_SET) == 0
                       ? std::fread(block_.data(), 1, block_.size(), file_)
                       : 0;
    if (blockLength_ < length)
      throw FileError(std::error_code(errno ? errno : EIO, std::generic_category()));
  }
  return std::string_view(block_).substr(static_cast<size_t>(offset - blockStart_), length);
}

}  // namespace kv884

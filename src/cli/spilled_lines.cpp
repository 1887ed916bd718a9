#include "cli/spilled_lines.hpp"

#include <algorithm>
#include <numeric>

#include "platform/file_error.hpp"

namespace kv884 {

namespace {

// The lines written out together: gathered from the file in one pass over it, a block read at a
// time, instead of one read a line.
constexpr size_t kChunkBytes = 4 << 20;
constexpr size_t kReadBytes = 1 << 20;
// Lines written to the file together: a system call for some hundred lines.
constexpr size_t kWriteBytes = 64 << 10;

}  // namespace

SpilledLines::SpilledLines() {
  try {
    file_ = std::make_unique<ScratchFile>();
    writable_ = true;
  } catch (const FileError&) {
  }
}

SpilledLines::~SpilledLines() = default;

void SpilledLines::startRound(size_t lines) {
  places_.assign(lines, {});
  held_.clear();
  end_ = 0;
  unwritten_.clear();
  blockLength_ = 0;
}

void SpilledLines::put(size_t line, std::string_view text) {
  if (!writable_) {
    held_[line] = text;
    return;
  }
  places_[line] = {end_ + static_cast<int64_t>(unwritten_.size()),
                   static_cast<uint32_t>(text.size())};
  unwritten_ += text;
  if (unwritten_.size() >= kWriteBytes) writeOut();
}

void SpilledLines::writeOut() {
  try {
    file_->writeAt(end_, unwritten_);
    end_ += static_cast<int64_t>(unwritten_.size());
  } catch (const FileError&) {
    // The lines not yet in the file, and every line after them, wait in memory instead.
    for (size_t line = 0; line < places_.size(); ++line) {
      Place& place = places_[line];
      if (place.offset < end_) continue;
      held_[line] = unwritten_.substr(static_cast<size_t>(place.offset - end_), place.length);
      place.offset = -1;
    }
    writable_ = false;
  }
  unwritten_.clear();
}

void SpilledLines::writeInOrder(std::ostream& out) {
  if (writable_) writeOut();
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
    blockLength_ = file_->readAt(offset, block_.data(), block_.size());
    if (blockLength_ < length) throw FileError(FileError::kDeviceIo);
  }
  return std::string_view(block_).substr(static_cast<size_t>(offset - blockStart_), length);
}

}  // namespace kv884

#include "dataset/set_copy.hpp"

#include <algorithm>
#include <chrono>

#include "dataset/block_reader.hpp"
#include "platform/file_error.hpp"

namespace kv884 {

namespace {

// The block timed: on a medium it costs a request or a seek and its bytes, from the page cache a
// copy in memory, either way far more than the clock's grain. A page read alone costs the
// medium's request or seek with hardly any bytes.
constexpr size_t kTimedBytes = 256 << 10;
constexpr size_t kTimedPageBytes = 4096;

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

SetCopy::SetCopy(FileTable& files, const std::vector<int>& fileNos) : files_(files) {
  try {
    for (int fileNo : fileNos) {
      const int64_t length = files.length(fileNo);  // throws for a file that is not open
      parts_.push_back({fileNo, costs_.setBytes, length, 0});
      costs_.setBytes += length;
    }
    // Zeroed first, so that the times are the reads' and writes' and not the memory's first
    // touch.
    std::vector<char> block(
        static_cast<size_t>(std::min<int64_t>(kTimedBytes, files.length(fileNos.front()))));
    if (block.empty()) return;
    costs_.secondsToRead = secondsToReadBlock(files, fileNos.front(), block);
    costs_.blockBytes = static_cast<int64_t>(block.size());
    copy_ = std::make_shared<ScratchFile>();
    const auto start = std::chrono::steady_clock::now();
    take(parts_[0], 0, std::string_view(block.data(), block.size()));
    if (copy_) copy_->readAt(0, block.data(), block.size());
    costs_.secondsToCopy = secondsSince(start);
  } catch (const FileError&) {
    giveUp();
  }
}

void SetCopy::timeRequests() {
  std::vector<char> page(
      static_cast<size_t>(std::min<int64_t>(kTimedPageBytes, costs_.blockBytes)));
  if (page.empty()) return;
  try {
    costs_.secondsToAsk = secondsToReadBlock(files_, parts_.front().fileNo, page);
  } catch (const FileError&) {
    giveUp();
  }
}

SetCopy::~SetCopy() {
  if (copier_.joinable()) copier_.join();
  files_.setBlockTap(nullptr);
  if (!complete_) giveUp();
}

void SetCopy::copyAsRead() {
  serve();
  files_.setBlockTap([this](int fileNo, int64_t offset, std::string_view bytes) {
    for (Part& part : parts_)
      if (copy_ && part.fileNo == fileNo) take(part, offset, bytes);
  });
}

void SetCopy::take(Part& part, int64_t offset, std::string_view bytes) {
  const int64_t end = offset + static_cast<int64_t>(bytes.size());
  if (offset > part.copied || end <= part.copied) return;  // not the next bytes of the file
  try {
    copy_->writeAt(part.at + part.copied, bytes.substr(static_cast<size_t>(part.copied - offset)));
    {
      const std::lock_guard lock(progress_);
      part.copied = end;
    }
    progressed_.notify_all();
    if (serving_ && !copying_) files_.readFromCopy(part.fileNo, copy_, part.at, part.copied);
  } catch (const FileError&) {
    giveUp();
  }
}

void SetCopy::serve() {
  serving_ = copy_ != nullptr;
  for (const Part& part : parts_)
    if (serving_) files_.readFromCopy(part.fileNo, copy_, part.at, part.copied);
}

void SetCopy::giveUp() {
  bool tableLeftAlone = false;
  {
    const std::lock_guard lock(progress_);
    copy_.reset();
    tableLeftAlone = copying_;
  }
  progressed_.notify_all();
  if (!tableLeftAlone)
    for (const Part& part : parts_) files_.readFromCopy(part.fileNo, nullptr, 0, 0);
}

void SetCopy::copyRest(Part& part) {
  std::vector<char> block(kBlockBytes);
  const int64_t length = files_.length(part.fileNo);
  while (copy_ && part.copied < length) {
    const size_t got =
        files_.readBytes(part.fileNo, part.copied, block.data(),
                         static_cast<size_t>(std::min<int64_t>(kBlockBytes, length - part.copied)));
    if (got == 0) return;  // the file was cut short after it was opened
    take(part, part.copied, std::string_view(block.data(), got));
  }
}

void SetCopy::copyRests() {
  try {
    for (Part& part : parts_) copyRest(part);
  } catch (const FileError&) {
    giveUp();  // the reads that follow meet the same error on the medium
  }
}

bool SetCopy::complete() {
  files_.setBlockTap(nullptr);
  serve();
  copyRests();
  complete_ = copy_ != nullptr;
  return complete_;
}

bool SetCopy::copyBefore(int fileNo) {
  files_.setBlockTap(nullptr);
  serve();
  try {
    for (Part& part : parts_) {
      if (part.fileNo == fileNo) break;
      copyRest(part);
    }
  } catch (const FileError&) {
    giveUp();
  }
  return copy_ != nullptr;
}

void SetCopy::startCompleting() {
  files_.setBlockTap(nullptr);
  serve();
  copying_ = true;
  copier_ = std::thread([this] {
    try {
      copyRests();
    } catch (...) {  // no memory for a block: the medium is read instead
      giveUp();
    }
    {
      const std::lock_guard lock(progress_);
      copying_ = false;
    }
    progressed_.notify_all();
  });
}

bool SetCopy::finishCompleting() {
  if (copier_.joinable()) copier_.join();
  if (copy_) {
    serve();
  } else {
    giveUp();
  }
  complete_ = copy_ != nullptr;
  return complete_;
}

size_t SetCopy::readCopied(int fileNo, int64_t offset, char* buffer, size_t size) {
  const auto part =
      std::find_if(parts_.begin(), parts_.end(), [&](const Part& p) { return p.fileNo == fileNo; });
  if (part == parts_.end()) throw FileError(FileError::kBadFileNameOrNumber);
  const int64_t wanted = std::min(offset + static_cast<int64_t>(size), part->length);
  std::shared_ptr<const ScratchFile> copy;
  {
    std::unique_lock lock(progress_);
    progressed_.wait(lock, [&] { return !copy_ || part->copied >= wanted || !copying_; });
    if (!copy_ || part->copied < wanted) throw FileError(FileError::kDeviceIo);
    copy = copy_;
  }
  if (offset >= wanted) return 0;
  return copy->readAt(part->at + offset, buffer, static_cast<size_t>(wanted - offset));
}

}  // namespace kv884

#include "mkset/record_file.hpp"

#include <cerrno>
#include <cstring>

#include "mkset/mkset_error.hpp"
#include "platform/big5.hpp"

namespace kv884::mkset {

namespace {

constexpr size_t kBlockSize = size_t{4} << 20;

}  // namespace

RecordFile::RecordFile(const std::filesystem::path& path)
    : path_(path), file_(std::fopen(path.c_str(), "wb")) {
  if (!file_) throw MksetError("cannot create " + path.string() + ": " + std::strerror(errno));
  buffer_.reserve(kBlockSize + 4096);
}

RecordFile::~RecordFile() {
  if (file_) std::fclose(file_);
}

void RecordFile::writeRecord(std::u16string_view text, size_t recordLength) {
  size_t start = buffer_.size();
  encode(text);
  size_t length = buffer_.size() - start;
  if (length > recordLength)
    throw MksetError("a record of " + path_.filename().string() + " takes " +
                     std::to_string(length) + " bytes in Big5, more than its " +
                     std::to_string(recordLength));
  buffer_.append(recordLength - length, ' ');
  if (buffer_.size() >= kBlockSize) flush();
}

void RecordFile::writeText(std::u16string_view text) {
  encode(text);
  if (buffer_.size() >= kBlockSize) flush();
}

void RecordFile::encode(std::u16string_view text) {
  try {
    appendBig5(buffer_, text);
  } catch (const std::invalid_argument& e) {
    throw MksetError(path_.filename().string() + ": " + e.what());
  }
}

void RecordFile::flush() {
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
    throw MksetError("cannot write " + path_.string() + ": " + std::strerror(errno));
  buffer_.clear();
}

void RecordFile::close() {
  flush();
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0)
    throw MksetError("cannot write " + path_.string() + ": " + std::strerror(errno));
}

}  // namespace kv884::mkset

#include "mkset/record_file.hpp"

#include "mkset/mkset_error.hpp"
#include "platform/big5.hpp"

namespace kv884::mkset {

// Written in pieces of about this size: few system calls, little memory.
constexpr size_t kFlushAt = 1 << 20;

RecordFile::RecordFile(const std::filesystem::path& path) : path_(path), file_(path.string()) {}

void RecordFile::write(std::u16string_view text, std::optional<size_t> recordLength) {
  record_.clear();
  try {
    appendBig5(record_, text);
  } catch (const std::invalid_argument& e) {
    throw MksetError(path_.filename().string() + ": " + e.what());
  }
  if (recordLength && record_.size() > *recordLength)
    throw MksetError("a record of " + path_.filename().string() + " takes " +
                     std::to_string(record_.size()) + " bytes in Big5, more than its " +
                     std::to_string(*recordLength));
  if (recordLength) record_.resize(*recordLength, ' ');
  buffer_ += record_;
  if (buffer_.size() >= kFlushAt) flush();
}

void RecordFile::flush() {
  file_.write(buffer_);
  buffer_.clear();
}

void RecordFile::close() {
  flush();
  file_.commit();
}

}  // namespace kv884::mkset

#include "mkset/record_file.hpp"

#include <cerrno>
#include <cstring>

#include "mkset/mkset_error.hpp"
#include "platform/big5.hpp"

namespace kv884::mkset {

RecordFile::RecordFile(const std::filesystem::path& path)
    : path_(path), out_(path, std::ios::binary) {
  if (!out_) fail("cannot create ");
}

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
  if (!out_.write(record_.data(), static_cast<std::streamsize>(record_.size())))
    fail("cannot write ");
}

void RecordFile::close() {
  out_.close();
  if (!out_) fail("cannot write ");
}

void RecordFile::fail(const std::string& what) const {
  throw MksetError(what + path_.string() + ": " + std::strerror(errno));
}

}  // namespace kv884::mkset

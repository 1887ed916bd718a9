#include "platform/file_table.hpp"

#include <algorithm>

#include "platform/file_error.hpp"
#include "platform/host_path.hpp"

namespace kv884 {

struct FileTable::OpenFile {
  OpenFile(const std::string& hostPath, int recordLength)
      : file(hostPath, InputKind::File), recordLength(recordLength) {}

  InputFile file;
  int recordLength{0};  // 0: sequential input
  std::unique_ptr<SequentialInput> input;
  std::shared_ptr<const ScratchFile> copy;  // of the file's first copied bytes
  int64_t copyOffset{0};
  int64_t copied{0};

  size_t readAt(int64_t offset, char* buffer, size_t size) {
    if (!copy || offset >= copied) return file.readAt(offset, buffer, size);
    const auto fromCopy = std::min(size, static_cast<size_t>(copied - offset));
    const size_t got = copy->readAt(copyOffset + offset, buffer, fromCopy);
    if (got < fromCopy || got == size) return got;
    return got + file.readAt(offset + static_cast<int64_t>(got), buffer + got, size - got);
  }

  // A partly present last record included.
  int64_t records() const {
    return recordLength > 0 ? (file.length() + recordLength - 1) / recordLength : 0;
  }
};

FileTable::FileTable() = default;
FileTable::~FileTable() = default;

void FileTable::open(int fileNo, std::u16string_view formedPath, int recordLength) {
  if (files_.count(fileNo)) throw FileError(FileError::kFileAlreadyOpen);
  HostPath host = mapHostPath(formedPath);
  if (host.folderMissing) throw FileError(FileError::kPathNotFound);
  auto file = std::make_unique<OpenFile>(host.path, recordLength);
  if (recordLength == 0) file->input = std::make_unique<SequentialInput>(file->file);
  files_[fileNo] = std::move(file);
}

void FileTable::openInput(int fileNo, std::u16string_view formedPath) {
  open(fileNo, formedPath, 0);
}

void FileTable::openRecords(int fileNo, std::u16string_view formedPath, int recordLength) {
  open(fileNo, formedPath, recordLength);
}

FileTable::OpenFile& FileTable::find(int fileNo) const {
  auto it = files_.find(fileNo);
  if (it == files_.end()) throw FileError(FileError::kBadFileNameOrNumber);
  return *it->second;
}

int64_t FileTable::length(int fileNo) const {
  return find(fileNo).file.length();
}

int FileTable::recordLength(int fileNo) const {
  return find(fileNo).recordLength;
}

int64_t FileTable::recordCount(int fileNo) const {
  return find(fileNo).records();
}

std::string FileTable::readRecord(int fileNo, int64_t recNo) {
  std::string bytes;
  readRecordInto(fileNo, recNo, bytes);
  return bytes;
}

void FileTable::readRecordInto(int fileNo, int64_t recNo, std::string& bytes) {
  OpenFile& file = find(fileNo);
  if (file.recordLength <= 0) throw FileError(FileError::kBadFileNameOrNumber);
  if (recNo < 1 || recNo > file.records()) throw FileError(FileError::kBadRecordNumber);
  if (source_ && source_(fileNo, recNo, bytes)) {
    if (observer_) observer_(fileNo, recNo);
    return;
  }
  bytes.assign(static_cast<size_t>(file.recordLength), ' ');
  // A partly present last record keeps its blank padding.
  size_t got = file.readAt((recNo - 1) * file.recordLength, bytes.data(), bytes.size());
  if (got == 0) throw FileError(FileError::kBadRecordNumber);
  if (observer_) observer_(fileNo, recNo);
}

size_t FileTable::readBytes(int fileNo, int64_t offset, char* buffer, size_t size) {
  const size_t got = find(fileNo).readAt(offset, buffer, size);
  if (tap_) tap_(fileNo, offset, std::string_view(buffer, got));
  return got;
}

void FileTable::readFromCopy(int fileNo, std::shared_ptr<const ScratchFile> copy, int64_t offset,
                             int64_t copied) {
  OpenFile& file = find(fileNo);
  file.copy = std::move(copy);
  file.copyOffset = offset;
  file.copied = copied;
}

SequentialInput& FileTable::input(int fileNo) {
  OpenFile& file = find(fileNo);
  if (!file.input) throw FileError(FileError::kBadFileNameOrNumber);
  return *file.input;
}

void FileTable::close(int fileNo) {
  files_.erase(fileNo);
}

void FileTable::closeAll() {
  files_.clear();
}

bool FileTable::isOpen(int fileNo) const {
  return files_.count(fileNo) != 0;
}

std::vector<int> FileTable::openNumbers() const {
  std::vector<int> numbers;
  for (const auto& [no, file] : files_) numbers.push_back(no);
  return numbers;
}

}  // namespace kv884

#include "cli/register_from_copy.hpp"

#include <algorithm>
#include <cstring>

#include "cli/holder_row.hpp"
#include "cli/key_order_rows.hpp"
#include "cli/progress_meter.hpp"
#include "cli/register_writer.hpp"
#include "dataset/block_reader.hpp"
#include "dataset/chain_order.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/scratch_buckets.hpp"
#include "dataset/set_copy.hpp"
#include "platform/file_error.hpp"

namespace kv884 {

namespace {

// Holder data records made into rows together: a stretch of the file (4 MB) and the detail
// records that name them, sorted together; the stretch is read from the copy in pieces, each as
// soon as the copy holds it, so that the rows follow the copy closely.
constexpr int64_t kHoldersABucket = 32768;
constexpr int64_t kHoldersAPiece = 4096;
// A detail record sorted into its bucket: its place in the order, the holder data record it
// names, the record.
constexpr size_t kEntryHead = 2 * sizeof(uint32_t);
constexpr size_t kEntryBytes = kEntryHead + kDetailRecordLength;

// The detail records of the order sorted into buckets by the holder data record they name. One
// whose holder data record is not in the file is left out: the walk stops at its place.
void sortDetails(FileTable& files, const ChainOrder& order, int64_t holders,
                 ScratchBuckets& buckets) {
  constexpr uint32_t kOffTheOrder = UINT32_MAX;
  std::vector<uint32_t> placeOf(static_cast<size_t>(files.recordCount(kDetailIndexFile)) + 1,
                                kOffTheOrder);
  for (size_t place = 0; place < order.records.size(); ++place)
    placeOf[order.records[place]] = static_cast<uint32_t>(place);
  std::u16string buffer;
  std::string entry(kEntryBytes, ' ');
  readRecordFile(files, kDetailIndexFile, [&](int64_t recNo, std::string_view bytes) {
    const uint32_t place = placeOf[static_cast<size_t>(recNo)];
    if (place == kOffTheOrder) return;
    const int64_t dataNo = dataRecNoOf(bytes, buffer);
    if (dataNo < 1 || dataNo > holders) return;
    const auto named = static_cast<uint32_t>(dataNo);
    std::memcpy(entry.data(), &place, sizeof place);
    std::memcpy(entry.data() + sizeof place, &named, sizeof named);
    std::copy(bytes.begin(), bytes.end(), entry.begin() + kEntryHead);
    buckets.append(static_cast<size_t>((dataNo - 1) / kHoldersABucket), entry);
  });
}

// The row of every place whose detail record names a holder data record, made a bucket at a time
// along the holder data file as its copy reaches the bucket's records.
void makeRows(SetCopy& copy, const RegisterSource& source, const ChainOrder& order,
              const RegisterWriter& writer, KeyOrderRows& rows) {
  const int64_t holders = source.files.recordCount(kHolderDataFile);
  const auto bucketCount = static_cast<size_t>((holders + kHoldersABucket - 1) / kHoldersABucket);
  ScratchBuckets details(bucketCount);
  sortDetails(source.files, order, holders, details);
  HolderRow row(source);
  std::string data, entries, bytes;
  std::vector<uint64_t> byRecord;  // holder data record number << 32 | entry
  for (size_t bucket = 0; bucket < bucketCount; ++bucket) {
    const int64_t first = static_cast<int64_t>(bucket) * kHoldersABucket;  // from 0
    const int64_t count = std::min(kHoldersABucket, holders - first);
    data.assign(static_cast<size_t>(count) * kHolderRecordLength, ' ');
    details.readBack(bucket, entries);
    byRecord.clear();
    for (size_t at = 0; at < entries.size(); at += kEntryBytes) {
      uint32_t dataNo = 0;
      std::memcpy(&dataNo, entries.data() + at + sizeof(uint32_t), sizeof dataNo);
      byRecord.push_back(uint64_t{dataNo} << 32 | at / kEntryBytes);
    }
    std::sort(byRecord.begin(), byRecord.end());
    int64_t read = 0;  // the bucket's holder data records read from the copy
    for (const uint64_t entry : byRecord) {
      const int64_t within = static_cast<int64_t>(entry >> 32) - 1 - first;
      if (within >= read) {
        // On to the piece that holds it, as soon as the copy has it; fewer bytes at the end of
        // the file: a partly present last record keeps its blanks.
        const int64_t to = std::min(count, (within / kHoldersAPiece + 1) * kHoldersAPiece);
        copy.readCopied(kHolderDataFile, (first + read) * kHolderRecordLength,
                        data.data() + read * kHolderRecordLength,
                        static_cast<size_t>(to - read) * kHolderRecordLength);
        read = to;
      }
      const size_t at = (entry & UINT32_MAX) * kEntryBytes;
      uint32_t place = 0;
      std::memcpy(&place, entries.data() + at, sizeof place);
      const std::string_view detail =
          std::string_view(entries).substr(at + kEntryHead, kDetailRecordLength);
      const std::string_view record = std::string_view(data).substr(
          static_cast<size_t>(within) * kHolderRecordLength, kHolderRecordLength);
      writer.encodeRow(row.of(detail, record), bytes);
      rows.put(place, bytes);
    }
  }
}

}  // namespace

bool walkFromCopy(SetCopy& copy, const RegisterSource& source, const ChainOrder& order,
                  RegisterWriter& writer, ProgressMeter& progress, RegisterWalk& walk) {
  copy.startCompleting();
  std::optional<KeyOrderRows> rows;
  try {
    rows.emplace(order.records.size());
    makeRows(copy, source, order, writer, *rows);
  } catch (const FileError&) {
    copy.finishCompleting();
    return false;
  }
  copy.finishCompleting();
  const size_t written = rows->writeInOrder([&](std::string_view row) {
    writer.writeEncoded(row);
    ++walk.shown;
    progress.advance();
  });
  if (written < order.records.size())  // the detail record there names no holder data record
    walk.problems = {readErrorMessage(FileError(FileError::kBadRecordNumber))};
  return true;
}

}  // namespace kv884

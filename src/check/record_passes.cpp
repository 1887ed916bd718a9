#include "check/record_passes.hpp"

#include <string>

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "platform/big5.hpp"
#include "platform/file_error.hpp"

namespace kv884 {

namespace {

void mix(uint64_t& hash, std::u16string_view text) {
  constexpr uint64_t kPrime = 1099511628211ull;
  for (char16_t c : text) {
    hash = (hash ^ (c & 0xFF)) * kPrime;
    hash = (hash ^ (c >> 8)) * kPrime;
  }
  hash = (hash ^ 0x1F) * kPrime;  // a separator, so text cannot move from one field to the next
}

void compareField(std::u16string& note, std::u16string_view label, std::u16string_view key,
                  std::u16string_view field) {
  if (key == field) return;
  if (!note.empty()) note += u"；";
  note += std::u16string(label) + u" 索引為" + quoted(key) + u"，資料記錄為" + quoted(field);
}

// Names the differing fields; the holder data record is read again for it.
std::u16string mismatchNote(const DetailRecord& detail, int64_t dataRecNo, FileTable& files) {
  std::u16string text;
  try {
    text = decodeRecord(files.readRecord(kHolderDataFile, dataRecNo), kHolderRecordChars);
  } catch (const FileError& e) {
    return u"資料記錄無法讀取：" + e.description();
  }
  HolderRecord holder{text};
  std::u16string note;
  compareField(note, keyKind(1).name(), detail.idKey(), holder.idNo());
  compareField(note, keyKind(2).name(), detail.accountKey(), holder.accountNo());
  compareField(note, keyKind(3).name(), detail.holderNoKey(), holder.holderNo());
  return note;
}

}  // namespace

uint64_t keyFingerprint(std::u16string_view id, std::u16string_view account,
                        std::u16string_view holderNo) {
  uint64_t hash = 14695981039346656037ull;
  mix(hash, id);
  mix(hash, account);
  mix(hash, holderNo);
  return hash;
}

HolderPass readHolderFile(FileTable& files) {
  HolderPass pass;
  pass.fingerprints.push_back(0);
  pass.size = readRecordFile(files, kHolderDataFile, [&](int64_t, std::string_view bytes) {
    std::u16string text = decodeRecord(bytes, kHolderRecordChars);
    HolderRecord record{text};
    pass.fingerprints.push_back(
        keyFingerprint(record.idNo(), record.accountNo(), record.holderNo()));
  });
  return pass;
}

DetailPass readDetailFile(FileTable& files, const HolderPass& holders, ProblemList& problems) {
  DetailPass pass{{}, DetailTable(files.recordCount(kDetailIndexFile))};
  std::vector<bool> named(holders.fingerprints.size(), false);  // by some detail record
  pass.size = readRecordFile(files, kDetailIndexFile, [&](int64_t recNo, std::string_view bytes) {
    std::u16string text = decodeRecord(bytes, kDetailRecordChars);
    pass.table.set(recNo, text);
    DetailRecord detail{text};
    int64_t dataRecNo = detail.dataRecNo();
    if (dataRecNo < 1 || dataRecNo >= static_cast<int64_t>(named.size())) {
      problems.add({.problemClass = ProblemClass::DataRecordRange,
                    .detailRecords = {recNo},
                    .note = u"DataRecNo 為" + quoted(field(text, DetailRecord::kDataRecNo))});
      return;
    }
    named[static_cast<size_t>(dataRecNo)] = true;
    uint64_t fingerprint =
        keyFingerprint(detail.idKey(), detail.accountKey(), detail.holderNoKey());
    if (fingerprint == holders.fingerprints[static_cast<size_t>(dataRecNo)]) return;
    problems.add({.problemClass = ProblemClass::KeyMismatch,
                  .detailRecords = {recNo},
                  .holderRecords = {dataRecNo},
                  .note = problems.willShow(ProblemClass::KeyMismatch, 0)
                              ? mismatchNote(detail, dataRecNo, files)
                              : u""});
  });
  for (size_t d = 1; d < named.size(); ++d)
    if (!named[d])
      problems.add(
          {.problemClass = ProblemClass::Unindexed, .holderRecords = {static_cast<int64_t>(d)}});
  return pass;
}

}  // namespace kv884

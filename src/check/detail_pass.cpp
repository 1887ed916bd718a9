#include <string>

#include "check/note_text.hpp"
#include "check/record_passes.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "platform/big5.hpp"
#include "platform/file_error.hpp"

namespace kv884 {

namespace {

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
  compareField(note, u"統一編號", detail.idKey(), holder.idNo());
  compareField(note, u"帳號", detail.accountKey(), holder.accountNo());
  compareField(note, u"戶號", detail.holderNoKey(), holder.holderNo());
  return note;
}

class DetailChecker {
 public:
  DetailChecker(const HolderPass& holders, FileTable& files, ProblemList& problems)
      : holders_(holders),
        files_(files),
        problems_(problems),
        named_(holders.fingerprints.size(), false) {}

  void check(int64_t recNo, const DetailRecord& detail) {
    int64_t dataRecNo = detail.dataRecNo();
    if (dataRecNo < 1 || dataRecNo >= static_cast<int64_t>(named_.size())) {
      problems_.add({ProblemClass::DataRecordRange,
                     0,
                     {recNo},
                     {},
                     0,
                     0,
                     u"DataRecNo 為" + quoted(field(detail.text, DetailRecord::kDataRecNo))});
      return;
    }
    named_[static_cast<size_t>(dataRecNo)] = true;
    uint64_t fingerprint =
        keyFingerprint(detail.idKey(), detail.accountKey(), detail.holderNoKey());
    if (fingerprint == holders_.fingerprints[static_cast<size_t>(dataRecNo)]) return;
    std::u16string note;
    if (problems_.willShow(ProblemClass::KeyMismatch, 0))
      note = mismatchNote(detail, dataRecNo, files_);
    problems_.add({ProblemClass::KeyMismatch, 0, {recNo}, {dataRecNo}, 0, 0, note});
  }

  void reportUnindexed() {
    for (size_t d = 1; d < named_.size(); ++d)
      if (!named_[d])
        problems_.add({ProblemClass::Unindexed, 0, {}, {static_cast<int64_t>(d)}, 0, 0, {}});
  }

 private:
  const HolderPass& holders_;
  FileTable& files_;
  ProblemList& problems_;
  std::vector<bool> named_;  // holder data records named by some detail record
};

}  // namespace

DetailPass readDetailFile(FileTable& files, const HolderPass& holders, ProblemList& problems) {
  DetailPass pass{{}, DetailTable(files.recordCount(kDetailIndexFile))};
  DetailChecker checker(holders, files, problems);
  pass.size = readRecordFile(files, kDetailIndexFile, [&](int64_t recNo, std::string_view bytes) {
    std::u16string text = decodeRecord(bytes, kDetailRecordChars);
    pass.table.set(recNo, text);
    checker.check(recNo, DetailRecord{text});
  });
  checker.reportUnindexed();
  return pass;
}

}  // namespace kv884

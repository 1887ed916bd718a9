#include "check/data_set_check.hpp"

#include "check/chain_check.hpp"
#include "check/key_pages.hpp"
#include "check/record_passes.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/key_kind.hpp"
#include "platform/ascii_text.hpp"
#include "platform/big5.hpp"
#include "platform/file_error.hpp"
#include "platform/host_path.hpp"

namespace kv884 {

namespace {

CheckedFile checkedFile(std::u16string path, const RecordFileSize& size, ProblemList& problems) {
  if (size.partial())
    problems.add({.problemClass = ProblemClass::FileLength,
                  .note = shownPath(path) + u"：長度 " + decimalText(size.length) +
                          u" 位元組，不是記錄長度 " + decimalText(size.recordLength) + u" 的倍數"});
  return {size, shownPath(path)};
}

// The successor field of kind in detail record recNo, read again from the file.
SuccessorField successorFieldIn(FileTable& files) {
  return [&files](int kind, int64_t recNo) {
    try {
      const std::u16string text =
          decodeRecord(files.readRecord(kDetailIndexFile, recNo), kDetailRecordChars);
      return std::u16string(field(text, keyKind(kind).successor));
    } catch (const FileError&) {
      return std::u16string();
    }
  };
}

}  // namespace

CheckReport checkDataSet(FileTable& files, const std::u16string& folder,
                         const std::u16string& code) {
  CheckReport report;
  report.folder = folder;
  report.securityCode = code;

  HolderPass holders = readHolderFile(files);
  report.holderFile = checkedFile(holderDataPath(folder, code), holders.size, report.problems);

  KeyPages pages = readKeyPages(files);
  report.keyIndexFile = checkedFile(keyIndexPath(folder, code), pages.size, report.problems);

  DetailPass details = readDetailFile(files, holders, report.problems);
  report.detailFile = checkedFile(detailIndexPath(folder, code), details.size, report.problems);
  holders.fingerprints = {};

  for (const KeyKind& k : keyKinds()) {
    const int kind = k.kind;
    KindPages kindPages = checkKindPages(kind, pages, details.table.count(), report.problems);
    KindCounts& counts = report.kinds[kind - 1];
    counts.rootUsedEntries = kindPages.rootUsedEntries;
    counts.leafPages = static_cast<int>(kindPages.leafPages.size());
    counts.leafEntries = static_cast<int64_t>(kindPages.entries.size());
    counts.chainLength =
        checkChain(kind, details.table, kindPages, report.problems, successorFieldIn(files));
  }
  return report;
}

}  // namespace kv884

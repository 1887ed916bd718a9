#include "check/data_set_check.hpp"

#include "check/chain_check.hpp"
#include "check/key_pages.hpp"
#include "check/record_passes.hpp"
#include "dataset/data_paths.hpp"
#include "platform/ascii_text.hpp"

namespace kv884 {

namespace {

CheckedFile checkedFile(std::u16string path, const RecordFileSize& size, ProblemList& problems) {
  if (size.partial())
    problems.add({.problemClass = ProblemClass::FileLength,
                  .note = path + u"：長度 " + decimalText(size.length) + u" 位元組，不是記錄長度 " +
                          decimalText(size.recordLength) + u" 的倍數"});
  return {size, std::move(path)};
}

}  // namespace

CheckReport checkDataSet(Program& program) {
  CheckReport report;
  const std::u16string& folder = program.frm_0.tx_i_01.text;
  const std::u16string& code = program.frm_0.m_SecurityCode;
  report.folder = folder;
  report.securityCode = code;

  HolderPass holders = readHolderFile(program.files);
  report.holderFile = checkedFile(holderDataPath(folder, code), holders.size, report.problems);

  KeyPages pages = readKeyPages(program.files);
  report.keyIndexFile = checkedFile(keyIndexPath(folder, code), pages.size, report.problems);

  DetailPass details = readDetailFile(program.files, holders, report.problems);
  report.detailFile = checkedFile(detailIndexPath(folder, code), details.size, report.problems);
  holders.fingerprints = {};

  for (int kind = 1; kind <= 4; ++kind) {
    KindPages kindPages = checkKindPages(kind, pages, details.table.count(), report.problems);
    KindCounts& counts = report.kinds[kind - 1];
    counts.rootUsedEntries = kindPages.rootUsedEntries;
    counts.leafPages = static_cast<int>(kindPages.leafPages.size());
    counts.leafEntries = static_cast<int64_t>(kindPages.entries.size());
    counts.chainLength = checkChain(kind, details.table, kindPages, report.problems);
  }
  return report;
}

}  // namespace kv884

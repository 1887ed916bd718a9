#pragma once
// A data set written by the builder, opened with the viewer's own readers, so the tests check
// what the viewer will see rather than what the builder meant to write.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "platform/big5.hpp"
#include "platform/file_table.hpp"
#include "platform/utf.hpp"

namespace kv884::test {

class BuiltSet {
 public:
  BuiltSet(const std::filesystem::path& folder, const std::u16string& code)
      : folder_(fromUtf8(folder.string())) {
    files_.openRecords(kKeyIndexFile, keyIndexPath(folder_, code), kKeyPageLength);
    files_.openRecords(kDetailIndexFile, detailIndexPath(folder_, code), kDetailRecordLength);
    files_.openRecords(kHolderDataFile, holderDataPath(folder_, code), kHolderRecordLength);
  }

  int64_t detailCount() const { return files_.recordCount(kDetailIndexFile); }
  int64_t pageCount() const { return files_.recordCount(kKeyIndexFile); }

  std::u16string page(const KeyKind& kind, int64_t record) {
    return decodeRecord(files_.readRecord(kKeyIndexFile, record),
                        static_cast<size_t>(kind.pageChars));
  }
  std::u16string rootPage(const KeyKind& kind) { return page(kind, kind.rootPage); }
  std::u16string detail(int64_t record) {
    return decodeRecord(files_.readRecord(kDetailIndexFile, record), kDetailRecordChars);
  }
  std::u16string holder(int64_t record) {
    return decodeRecord(files_.readRecord(kHolderDataFile, record), kHolderRecordChars);
  }
  std::string rawPage(int64_t record) { return files_.readRecord(kKeyIndexFile, record); }
  std::string rawDetail(int64_t record) { return files_.readRecord(kDetailIndexFile, record); }

  // The numbers of the used entries of a page, in page order.
  static std::vector<int> usedEntries(const KeyPage& page) {
    std::vector<int> used;
    for (int e = 1; e <= kEntriesPerPage; ++e)
      if (!page.isEmptyEntry(e)) used.push_back(e);
    return used;
  }

  // The detail records of a kind's chain, from the first used entry of the first leaf page named
  // by the root page, following the successors to 999999. Stops after more steps than there are
  // records, so a cycle shows as a too-long chain instead of a hang.
  std::vector<int64_t> chain(const KeyKind& kind) {
    std::u16string rootText = rootPage(kind);
    KeyPage root{kind, rootText};
    std::u16string leafText = page(kind, root.number(1));
    KeyPage leaf{kind, leafText};
    std::vector<int64_t> records;
    for (int64_t r = leaf.number(1); r != kEndOfChain; r = successorOf(kind, detail(r))) {
      records.push_back(r);
      if (static_cast<int64_t>(records.size()) > detailCount()) break;
    }
    return records;
  }

  std::u16string keyOf(const KeyKind& kind, int64_t detailRecord) {
    return std::u16string(keyFieldOf(kind, detail(detailRecord)));
  }

 private:
  std::u16string folder_;
  FileTable files_;
};

}  // namespace kv884::test

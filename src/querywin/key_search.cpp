// 查詢: the first holder, in the order of the chosen key, whose key begins with the typed key.
// The kind's root page leads to one leaf page, whose entry leads into the kind's chain of detail
// records; the walk stops at the first key not below the search key.

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "platform/big5.hpp"
#include "platform/file_error.hpp"
#include "platform/key_compare.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

ClickOutcome QueryWindow::cmd_1_Click() {
  WaitPointer wait(host_.ui, WindowId::Query, "cmd_1");
  return showScreenAtomically([this] {
    m_SearchKeyLen = static_cast<int16_t>(tx_i_01.text.size());
    std::optional<int> kindNo = kindOfCaption(comb_1.text);
    if (!kindNo) {
      host_.ui.programMessage(u"MSG_1_01:查詢條件 不在範圍內 !");
      return ClickOutcome::NoMatch;
    }
    const KeyKind& kind = keyKind(*kindNo);
    m_SearchKind = static_cast<int16_t>(kind.kind);
    if (kind.upperCasesKey) tx_i_01.text = upperCaseKey(tx_i_01.text);
    m_SearchKey = tx_i_01.text;

    const std::u16string_view miss = findFirstMatch(kind);
    if (miss.empty()) {
      ShowMatch();
      return ClickOutcome::Done;
    }
    // 次筆 would otherwise follow the new kind's chain from the old kind's record.
    cmd_2.enabled = false;
    host_.ui.programMessage(std::u16string(miss));
    return ClickOutcome::NoMatch;
  });
}

std::u16string_view QueryWindow::findFirstMatch(const KeyKind& kind) {
  int64_t leafPage = 0;
  if (!scanRootPage(kind, leafPage)) return kind.rootMissMessage;
  if (!scanLeafPage(kind, leafPage) || !walkChain(kind)) return kind.walkMissMessage;
  return {};
}

// The first root entry whose key is not below the search key names the leaf page. An unused
// entry met first, a page that cannot be read, or an entry naming no page: nothing lies there.
bool QueryWindow::scanRootPage(const KeyKind& kind, int64_t& leafPage) {
  try {
    readKeyPage(kind.rootPage, 0);
  } catch (const FileError&) {
    return false;
  }
  // The page text is decoded only as far as the scan goes.
  PartialRecordText text(recordBytes_, static_cast<size_t>(kind.pageChars), pageText_);
  for (int entry = 1; entry <= kEntriesPerPage; ++entry) {
    KeyPage root{kind, text.upTo(static_cast<size_t>(entry * kind.entryWidth))};
    if (compareKeys(kind, m_SearchKey, root.key(entry)) > 0) {
      if (root.isEmptyEntry(entry)) return false;
      continue;
    }
    leafPage = root.number(entry);
    return leafPage >= 1;
  }
  return false;
}

// The first leaf entry whose key is not below the search key names where the walk starts.
bool QueryWindow::scanLeafPage(const KeyKind& kind, int64_t leafPage) {
  try {
    readKeyPage(leafPage, 1);
  } catch (const FileError&) {
    return false;
  }
  PartialRecordText text(recordBytes_, static_cast<size_t>(kind.pageChars), pageText_);
  for (int entry = 1; entry <= kEntriesPerPage; ++entry) {
    KeyPage leaf{kind, text.upTo(static_cast<size_t>(entry * kind.entryWidth))};
    if (compareKeys(kind, m_SearchKey, leaf.key(entry)) <= 0) {
      m_NextRecNo = static_cast<int32_t>(leaf.number(entry));
      return true;
    }
  }
  return false;
}

// Follows the chain to the first record whose key is not below the search key and accepts it
// when its key begins with the search key. A sound chain visits each detail record at most once,
// so a walk longer than the file has records is a cycle.
bool QueryWindow::walkChain(const KeyKind& kind) {
  const int64_t maxSteps = host_.files.recordCount(kDetailIndexFile);
  for (int64_t step = firstWalkStep(kind); step < maxSteps; ++step) {
    try {
      readDetailRecord(m_NextRecNo);
    } catch (const FileError&) {
      return false;
    }
    if (walkResume_) {
      walkResume_->last = m_NextRecNo;
      walkResume_->step = step;
      walkResume_->held = true;
    }
    m_SearchRecNo = m_NextRecNo;
    cmd_2.enabled = false;
    m_NextRecNo = static_cast<int32_t>(successorOf(kind, m_IdxdRec));
    if (compareKeys(kind, m_SearchKey, keyFieldOf(kind, m_IdxdRec)) > 0) {
      if (m_NextRecNo == kEndOfChain) return false;
      continue;
    }
    if (!beginsWithSearchKey(m_IdxdRec)) return false;
    m_DataRecNo = static_cast<int32_t>(DetailRecord{m_IdxdRec}.dataRecNo());
    return true;
  }
  return false;
}

// 0, or with a WalkResume that this search may take up, the step at which the last walk read its
// last record, which is then the record to read first. Either way the place is noted for the next.
int64_t QueryWindow::firstWalkStep(const KeyKind& kind) {
  if (!walkResume_) return 0;
  WalkResume& resume = *walkResume_;
  const int32_t start = m_NextRecNo;
  int64_t step = 0;
  if (resume.held && resume.kind == kind.kind && resume.start == start &&
      compareKeys(kind, resume.key, m_SearchKey) <= 0) {
    m_NextRecNo = resume.last;
    step = resume.step;
  }
  resume.kind = static_cast<int16_t>(kind.kind);
  resume.key = m_SearchKey;
  resume.start = start;
  resume.held = false;
  return step;
}

// Key page recNo into recordBytes_ (level 0 a root page, 1 a leaf page).
void QueryWindow::readKeyPage(int64_t recNo, int level) {
  if (walkResume_) {
    readHeld(kKeyIndexFile, recNo, walkResume_->pages[level]);
  } else {
    host_.files.readRecordInto(kKeyIndexFile, recNo, recordBytes_);
  }
}

// Record recNo into recordBytes_ from slot when it holds it, else from the file, and then held
// in slot.
void QueryWindow::readHeld(int fileNo, int64_t recNo, WalkResume::Record& slot) {
  if (slot.recNo != recNo) {
    slot.recNo = 0;  // until the read has succeeded
    host_.files.readRecordInto(fileNo, recNo, slot.bytes);
    slot.recNo = recNo;
  }
  recordBytes_ = slot.bytes;
}

// The search key against as many characters from the start of the key field: a key longer than
// its field runs on into the next field and so never matches.
bool QueryWindow::beginsWithSearchKey(std::u16string_view detailText) const {
  const KeyKind& kind = keyKind(m_SearchKind);
  std::u16string_view start = field(detailText, kind.keyField.position, m_SearchKeyLen);
  return kind.byNameCollation ? NameCollation::equal(start, m_SearchKey) : start == m_SearchKey;
}

}  // namespace kv884

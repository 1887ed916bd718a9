#include "check/chain_check.hpp"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "dataset/key_kind.hpp"
#include "dataset/record_number.hpp"
#include "platform/ascii_text.hpp"

namespace kv884 {

namespace {

class ChainChecker {
 public:
  ChainChecker(int kind, const DetailTable& table, const KindPages& pages, ProblemList& problems,
               const SuccessorField& successorField)
      : kind_(keyKind(kind)),
        table_(table),
        entries_(pages.entries),
        sweep_(pages.sound),
        problems_(problems),
        successorField_(successorField),
        visited_(static_cast<size_t>(table.count()) + 1, false),
        entryPosition_(entries_.size(), -1),
        lastBefore_(entries_.size(), 0),
        firstWithRecord_(entries_.size()) {}

  int64_t run() {
    indexEntries();
    if (!entries_.empty() && inRange(entries_.front().record)) walk(entries_.front().record);
    reportUnreachable();
    checkRuns();
    return length_;
  }

 private:
  bool inRange(int64_t recNo) const { return recNo >= 1 && recNo <= table_.count(); }

  void add(ProblemClass problemClass, std::vector<int64_t> records, std::u16string note,
           const LeafEntry* entry = nullptr) {
    problems_.add({problemClass,
                   kind_.kind,
                   std::move(records),
                   {},
                   entry ? entry->page : 0,
                   entry ? entry->entry : 0,
                   std::move(note)});
  }

  void indexEntries() {
    for (size_t j = 0; j < entries_.size(); ++j) {
      const LeafEntry& e = entries_[j];
      firstWithRecord_[j] = j;
      if (!inRange(e.record)) continue;  // reported with the pages
      auto [it, fresh] = entryOf_.emplace(e.record, j);
      if (fresh) continue;
      firstWithRecord_[j] = it->second;
      const LeafEntry& first = entries_[it->second];
      add(ProblemClass::PageLink, {e.record},
          u"與索引頁 " + decimalText(first.page) + u" 第 " + decimalText(first.entry) +
              u" 項指向同一筆明細記錄",
          &e);
    }
  }

  // The key as the pages hold it: filled to the page key width.
  std::u16string_view pageKey(std::u16string_view key, KeyBuffer& buffer) const {
    size_t width = static_cast<size_t>(kind_.keyWidth);
    std::copy(key.begin(), key.end(), buffer.begin());
    std::fill(buffer.begin() + key.size(), buffer.begin() + width, kind_.keyFiller);
    return {buffer.data(), width};
  }

  void walk(int64_t first) {
    int64_t cur = first;
    for (;;) {
      visit(cur);
      int64_t next = table_.successor(kind_.kind, cur);
      if (next == kEndOfChain) return;
      if (!inRange(next)) {
        add(ProblemClass::SuccessorRange, {cur}, successorNote(cur, next));
        return;
      }
      if (visited_[static_cast<size_t>(next)]) {
        add(ProblemClass::Cycle, {cur, next},
            u"明細記錄 " + decimalText(cur) + u" 的後續記錄 " + decimalText(next) + u" 已經走過");
        return;
      }
      cur = next;
    }
  }

  // A successor that is a number is named by it; any other text is quoted as it stands, since
  // it reads as 0 and would otherwise look like an empty entry.
  std::u16string successorNote(int64_t cur, int64_t next) const {
    const std::u16string text = problems_.willShow(ProblemClass::SuccessorRange, kind_.kind)
                                    ? successorField_(kind_.kind, cur)
                                    : std::u16string();
    if (text.find_first_not_of(u"0123456789 ") == std::u16string::npos)
      return u"後續記錄編號為 " + decimalText(next);
    return u"後續記錄編號" + quoted(text) + u"不是數字";
  }

  void visit(int64_t cur) {
    visited_[static_cast<size_t>(cur)] = true;
    std::u16string_view key = table_.key(kind_.kind, cur, keyBuffer_[length_ % 2]);
    bool ascending = true;
    if (length_ > 0 && compareKeys(kind_, previousKey_, key) > 0) {
      ascending = false;
      add(ProblemClass::OutOfOrder, {previous_, cur},
          quoted(previousKey_) + u"排在" + quoted(key) + u"之前");
    }
    if (auto it = entryOf_.find(cur); it != entryOf_.end()) {
      entryPosition_[it->second] = length_;
      lastBefore_[it->second] = previous_;
    }
    if (sweep_) checkReached(cur, key, ascending);
    previous_ = cur;
    previousKey_ = key;
    ++length_;
  }

  // The search for this record's key starts at the first leaf entry whose key is not below it;
  // the chain must pass that entry's record before this one. Along an ascending chain the entry
  // only moves forward; after a step back it is looked up afresh.
  void checkReached(int64_t cur, std::u16string_view key, bool ascending) {
    KeyBuffer buffer;
    std::u16string_view k = pageKey(key, buffer);
    auto below = [&](const LeafEntry& e, std::u16string_view v) {
      return compareKeys(kind_, e.key, v) < 0;
    };
    if (!ascending || length_ == 0)
      entry_ = static_cast<size_t>(std::lower_bound(entries_.begin(), entries_.end(), k, below) -
                                   entries_.begin());
    while (entry_ < entries_.size() && below(entries_[entry_], k)) ++entry_;
    if (entry_ == entries_.size()) {
      add(ProblemClass::NotReached, {cur}, u"鍵值" + quoted(key) + u"大於所有葉頁鍵值");
    } else if (entryPosition_[firstWithRecord_[entry_]] < 0) {
      const LeafEntry& e = entries_[entry_];
      add(ProblemClass::NotReached, {cur, e.record},
          u"依鍵值" + quoted(key) + u"查詢時由明細記錄 " + decimalText(e.record) +
              u" 開始，走不到本記錄",
          &e);
    }
  }

  void reportUnreachable() {
    for (int64_t r = 1; r <= table_.count(); ++r)
      if (!visited_[static_cast<size_t>(r)]) add(ProblemClass::Unreachable, {r}, {});
  }

  // Each leaf entry names the first record of its run, after the previous entry's run, and holds
  // the key of the run's last record.
  void checkRuns() {
    int64_t lastPosition = -1;
    int64_t lastRecord = 0;
    for (size_t j = 0; j < entries_.size(); ++j) {
      const LeafEntry& e = entries_[j];
      if (!inRange(e.record) || firstWithRecord_[j] != j) continue;
      int64_t position = entryPosition_[j];
      if (position < 0) {
        add(ProblemClass::PageLink, {e.record},
            u"指向明細記錄 " + decimalText(e.record) + u"，由第一筆記錄起的鏈結走不到", &e);
        continue;
      }
      if (position <= lastPosition) {
        add(ProblemClass::PageLink, {e.record, lastRecord},
            u"指向明細記錄 " + decimalText(e.record) + u"，在前一項目所指的明細記錄 " +
                decimalText(lastRecord) + u" 之前",
            &e);
        continue;
      }
      lastPosition = position;
      lastRecord = e.record;
      checkRunKey(j);
    }
  }

  void checkRunKey(size_t j) {
    const LeafEntry& e = entries_[j];
    int64_t runLast = previous_;  // the chain's last record closes the last run
    if (j + 1 < entries_.size()) {
      if (entryPosition_[j + 1] <= entryPosition_[j]) return;  // reported as a link problem
      runLast = lastBefore_[j + 1];
    }
    KeyBuffer keyBuffer, padBuffer;
    std::u16string_view key = pageKey(table_.key(kind_.kind, runLast, keyBuffer), padBuffer);
    if (compareKeys(kind_, e.key, key) != 0)
      add(ProblemClass::PageKey, {runLast},
          u"鍵值" + quoted(e.key) + u"與其串列最後一筆（明細記錄 " + decimalText(runLast) +
              u"）的" + quoted(key) + u"不同",
          &e);
  }

  const KeyKind& kind_;
  const DetailTable& table_;
  const std::vector<LeafEntry>& entries_;
  bool sweep_;
  ProblemList& problems_;
  const SuccessorField& successorField_;

  std::vector<bool> visited_;                    // one bit a detail record
  std::unordered_map<int64_t, size_t> entryOf_;  // record named by a leaf entry -> the entry
  std::vector<int64_t> entryPosition_;           // chain position of each entry's record
  std::vector<int64_t> lastBefore_;              // the record before it in the chain
  std::vector<size_t> firstWithRecord_;          // the first entry naming the same record

  int64_t length_{0};
  int64_t previous_{0};
  std::u16string_view previousKey_;
  KeyBuffer keyBuffer_[2];
  size_t entry_{0};
};

}  // namespace

int64_t checkChain(int kind, const DetailTable& table, const KindPages& pages,
                   ProblemList& problems, const SuccessorField& successorField) {
  return ChainChecker(kind, table, pages, problems, successorField).run();
}

}  // namespace kv884

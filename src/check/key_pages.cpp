#include "check/key_pages.hpp"

#include <set>
#include <string>

#include "dataset/data_paths.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "platform/ascii_text.hpp"

namespace kv884 {

namespace {

// Every leaf page number the root pages name, used entries or not.
std::set<int64_t> namedLeaves(const std::map<int64_t, std::string>& roots) {
  std::set<int64_t> named;
  for (const KeyKind& k : keyKinds()) {
    auto root = roots.find(k.rootPage);
    if (root == roots.end()) continue;
    const std::u16string text = decodeKeyPage(k, root->second);
    const KeyPage page{k, text};
    for (int e = 1; e <= kEntriesPerPage; ++e)
      if (page.number(e) > kRootPages) named.insert(page.number(e));
  }
  return named;
}

// The page checks of one key kind: the root page's used entries come first and ascend, each names
// a leaf page whose last used key is the root entry's key; the leaf entries come first, ascend
// (across leaf pages too) and name detail records of the file.

class PageChecker {
 public:
  PageChecker(int kind, const KeyPages& pages, int64_t detailCount, ProblemList& problems)
      : kind_(keyKind(kind)), pages_(pages), detailCount_(detailCount), problems_(problems) {}

  KindPages run() {
    size_t before = problems_.total();
    auto root = pages_.pages.find(kind_.rootPage);
    if (root == pages_.pages.end()) {
      add(ProblemClass::PageLink, kind_.rootPage, 0, u"根頁不存在");
    } else {
      const std::u16string text = decodeKeyPage(kind_, root->second);
      checkRoot(KeyPage{kind_, text}, kind_.rootPage);
    }
    result_.sound = problems_.total() == before;
    return std::move(result_);
  }

 private:
  void add(ProblemClass problemClass, int64_t page, int entry, std::u16string note) {
    problems_.add({problemClass, kind_.kind, {}, {}, page, entry, std::move(note)});
  }

  // The used entries before the first empty one, ascending; reports used entries after it and
  // entries below their predecessor.
  std::vector<int> usedEntries(const KeyPage& page, int64_t pageNo) {
    std::vector<int> used;
    bool emptySeen = false;
    for (int e = 1; e <= kEntriesPerPage; ++e) {
      if (page.isEmptyEntry(e)) {
        emptySeen = true;
      } else if (emptySeen) {
        add(ProblemClass::PageOrder, pageNo, e, u"空白項目之後仍有使用中的項目");
      } else {
        if (!used.empty() && compareKeys(kind_, page.key(used.back()), page.key(e)) > 0)
          add(ProblemClass::PageOrder, pageNo, e,
              u"鍵值" + quoted(page.key(e)) + u"小於前一項目的" + quoted(page.key(used.back())));
        used.push_back(e);
      }
    }
    return used;
  }

  void checkRoot(const KeyPage& root, int64_t rootNo) {
    std::vector<int> used = usedEntries(root, rootNo);
    result_.rootUsedEntries = static_cast<int>(used.size());
    if (used.empty()) add(ProblemClass::PageLink, rootNo, 0, u"根頁沒有使用中的項目");
    for (int e : used) {
      int64_t leafNo = root.number(e);
      auto leaf = pages_.pages.find(leafNo);
      if (leafNo <= kRootPages || leaf == pages_.pages.end()) {
        add(ProblemClass::PageLink, rootNo, e,
            u"指向索引頁 " + decimalText(leafNo) + u"，不是葉頁");
        continue;
      }
      result_.leafPages.push_back(leafNo);
      const std::u16string text = decodeKeyPage(kind_, leaf->second);
      checkLeaf(KeyPage{kind_, text}, leafNo, root.key(e), rootNo, e);
    }
  }

  void checkLeaf(const KeyPage& leaf, int64_t leafNo, std::u16string_view rootKey, int64_t rootNo,
                 int rootEntry) {
    std::vector<int> used = usedEntries(leaf, leafNo);
    if (used.empty()) {
      add(ProblemClass::PageLink, leafNo, 0, u"葉頁沒有使用中的項目");
      return;
    }
    std::u16string_view lastKey = leaf.key(used.back());
    if (compareKeys(kind_, rootKey, lastKey) != 0)
      add(ProblemClass::PageKey, rootNo, rootEntry,
          u"根頁鍵值" + quoted(rootKey) + u"與葉頁 " + decimalText(leafNo) + u" 最後一項的" +
              quoted(lastKey) + u"不同");
    if (!result_.entries.empty() &&
        compareKeys(kind_, result_.entries.back().key, leaf.key(used.front())) > 0)
      add(ProblemClass::PageOrder, leafNo, used.front(),
          u"鍵值" + quoted(leaf.key(used.front())) + u"小於前一葉頁最後一項的" +
              quoted(result_.entries.back().key));
    for (int e : used) addEntry(leaf, leafNo, e);
  }

  void addEntry(const KeyPage& leaf, int64_t leafNo, int e) {
    int64_t record = leaf.number(e);
    if (record < 1 || record > detailCount_)
      add(ProblemClass::PageLink, leafNo, e,
          u"指向明細記錄 " + decimalText(record) + u"，超出明細索引檔");
    result_.entries.push_back({leafNo, e, std::u16string(leaf.key(e)), record});
  }

  const KeyKind& kind_;
  const KeyPages& pages_;
  int64_t detailCount_;
  ProblemList& problems_;
  KindPages result_;
};

}  // namespace

KeyPages readKeyPages(FileTable& files) {
  KeyPages result;
  std::set<int64_t> wanted;
  result.size = readRecordFile(files, kKeyIndexFile, [&](int64_t recNo, std::string_view bytes) {
    if (recNo == kRootPages + 1) wanted = namedLeaves(result.pages);
    if (recNo <= kRootPages || wanted.count(recNo)) result.pages[recNo] = bytes;
  });
  return result;
}

KindPages checkKindPages(int kind, const KeyPages& pages, int64_t detailCount,
                         ProblemList& problems) {
  return PageChecker(kind, pages, detailCount, problems).run();
}

}  // namespace kv884

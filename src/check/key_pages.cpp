#include "check/key_pages.hpp"

#include <set>

#include "dataset/data_paths.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "platform/big5.hpp"

namespace kv884 {

namespace {

// Every leaf page number the root pages name, used entries or not.
std::set<int64_t> namedLeaves(const std::map<int64_t, std::u16string>& roots) {
  std::set<int64_t> named;
  for (int kind = 1; kind <= 4; ++kind) {
    const KeyKind& k = keyKind(kind);
    auto root = roots.find(k.rootPage);
    if (root == roots.end()) continue;
    KeyPage page{k, std::u16string_view(root->second).substr(0, k.pageChars)};
    for (int e = 1; e <= kEntriesPerPage; ++e)
      if (page.number(e) > kRootPages) named.insert(page.number(e));
  }
  return named;
}

}  // namespace

KeyPages readKeyPages(FileTable& files) {
  KeyPages result;
  std::set<int64_t> wanted;
  result.size = readRecordFile(files, kKeyIndexFile, [&](int64_t recNo, std::string_view bytes) {
    if (recNo == kRootPages + 1) wanted = namedLeaves(result.pages);
    if (recNo <= kRootPages || wanted.count(recNo))
      result.pages[recNo] = decodeRecord(bytes, kKeyPageLength);
  });
  return result;
}

}  // namespace kv884

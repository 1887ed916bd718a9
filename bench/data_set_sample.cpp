#include "data_set_sample.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "platform/big5.hpp"
#include "platform/host_path.hpp"

namespace kv884::bench {

namespace {

std::u16string pageText(FileTable& files, const KeyKind& kind, int64_t recNo) {
  return decodeRecord(files.readRecord(kKeyIndexFile, recNo), kind.pageChars);
}

// The keys of the used entries of every leaf page of a kind, in order.
std::vector<std::u16string> leafKeys(FileTable& files, const KeyKind& kind) {
  std::vector<std::u16string> keys;
  std::u16string rootText = pageText(files, kind, kind.rootPage);
  KeyPage root{kind, rootText};
  for (int e = 1; e <= kEntriesPerPage && !root.isEmptyEntry(e); ++e) {
    std::u16string leafText = pageText(files, kind, root.number(e));
    KeyPage leaf{kind, leafText};
    for (int l = 1; l <= kEntriesPerPage && !leaf.isEmptyEntry(l); ++l)
      keys.emplace_back(leaf.key(l));
  }
  return keys;
}

// The first detail record of the kind's chain: the first entry of its first leaf page.
int64_t firstOfChain(FileTable& files, const KeyKind& kind) {
  std::u16string rootText = pageText(files, kind, kind.rootPage);
  std::u16string leafText = pageText(files, kind, KeyPage{kind, rootText}.number(1));
  return KeyPage{kind, leafText}.number(1);
}

template <typename T>
std::vector<T> spread(const std::vector<T>& all, size_t count) {
  std::vector<T> picked;
  if (all.empty()) return picked;
  count = std::min(count, all.size());
  for (size_t i = 0; i < count; ++i) picked.push_back(all[(2 * i + 1) * all.size() / (2 * count)]);
  return picked;
}

}  // namespace

std::string readWholeFile(const std::u16string& formedPath) {
  std::ifstream in(mapHostPath(formedPath).path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read a data file");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

DataSetSample sampleDataSet(FileTable& files, int keysPerKind) {
  DataSetSample sample;
  sample.holders = files.recordCount(kDetailIndexFile);
  const auto holders = static_cast<size_t>(sample.holders);
  for (const KeyKind& kind : keyKinds()) {
    const int k = kind.kind;
    KindKeys& keys = sample.kinds[k - 1];

    // Walk the whole chain once and keep the keys at evenly spread places, with the next
    // different key after each for the misses. Each place lies at its own offset within its
    // stretch of the order (steps of the golden ratio), so that the places do not all fall on
    // the same position within a run of the leaf pages: a walk of average length.
    std::vector<size_t> places;
    const size_t count = std::min(static_cast<size_t>(keysPerKind), holders);
    for (size_t i = 0; i < count; ++i) {
      double offset = static_cast<double>(i) * 0.6180339887498949;
      offset -= static_cast<double>(static_cast<size_t>(offset));
      places.push_back(
          static_cast<size_t>((static_cast<double>(i) + offset) * static_cast<double>(holders) /
                              static_cast<double>(count)));
    }
    size_t next = 0;
    std::u16string pendingBetween;
    int64_t recNo = firstOfChain(files, kind);
    // The first record of a chain may itself be numbered 999999: only successors end a chain.
    for (size_t step = 0; step < holders && recNo >= 1; ++step) {
      std::u16string text =
          decodeRecord(files.readRecord(kDetailIndexFile, recNo), kDetailRecordChars);
      std::u16string key(keyFieldOf(kind, text));
      if (!pendingBetween.empty() && key != pendingBetween) {
        // A key just above pendingBetween that no key begins with: the field followed by a
        // character that continues no key field.
        keys.between.push_back(pendingBetween + u"~");
        pendingBetween.clear();
      }
      if (next < places.size() && step == places[next]) {
        keys.hits.push_back(key);
        pendingBetween = key;
        ++next;
      }
      recNo = successorOf(kind, text);
      if (recNo == kEndOfChain) break;
    }

    keys.worst = spread(leafKeys(files, kind), static_cast<size_t>(keysPerKind));
    for (std::u16string& key : keys.worst) {
      // The entry's key without its filler, as a user would type it.
      while (!key.empty() && (key.back() == u' ' || key.back() == u'\u3000')) key.pop_back();
    }
    if (kind.byNameCollation) {
      // Latin sorts before Han in the name order, the scripts after them above both.
      keys.aboveCandidates = {u"ΩΩΩΩΩΩ", u"яяяяяя", u"힣힣힣힣힣힣", u"龘龘龘龘龘龘"};
    } else {
      keys.aboveCandidates = {u"~~~~~~~~~~~~"};
    }
  }
  return sample;
}

}  // namespace kv884::bench

#include "mkset/key_orders.hpp"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>
#include <unordered_map>

#include "mkset/holder.hpp"
#include "platform/key_compare.hpp"

namespace kv884::mkset {

namespace {

// Keys sit next to their holder's index, so the sort reads memory in order; the index breaks
// ties, which keeps equal keys in input order.
KeyOrder codeUnitOrder(const std::vector<Holder>& holders, int kind) {
  struct Item {
    std::array<char16_t, 12> key;
    uint8_t length;
    uint32_t holder;
    std::u16string_view view() const { return {key.data(), length}; }
  };
  std::vector<Item> items(holders.size());
  for (size_t i = 0; i < holders.size(); ++i) {
    std::u16string key = keyOf(holders[i], kind);
    Item& item = items[i];
    item.length = static_cast<uint8_t>(std::min(key.size(), item.key.size()));
    std::copy_n(key.begin(), item.length, item.key.begin());
    item.holder = static_cast<uint32_t>(i);
  }
  std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    int c = compareCodeUnits(a.view(), b.view());
    return c != 0 ? c < 0 : a.holder < b.holder;
  });
  KeyOrder order(items.size());
  for (size_t i = 0; i < items.size(); ++i) order[i] = items[i].holder;
  return order;
}

// The collation is far slower than a code-unit comparison, so each distinct name key is
// collated once: the distinct keys are sorted, keys the collation holds equal share one rank,
// and the holders are then sorted by rank.
KeyOrder nameOrder(const std::vector<Holder>& holders) {
  std::unordered_map<std::u16string, uint32_t> distinctIndex;
  std::vector<std::u16string> distinct;
  std::vector<uint32_t> keyIndex(holders.size());
  for (size_t i = 0; i < holders.size(); ++i) {
    auto [it, added] =
        distinctIndex.try_emplace(keyOf(holders[i], 4), static_cast<uint32_t>(distinct.size()));
    if (added) distinct.push_back(it->first);
    keyIndex[i] = it->second;
  }

  KeyOrder sortedKeys(distinct.size());
  std::iota(sortedKeys.begin(), sortedKeys.end(), 0U);
  std::sort(sortedKeys.begin(), sortedKeys.end(), [&](uint32_t a, uint32_t b) {
    return NameCollation::compare(distinct[a], distinct[b]) < 0;
  });
  std::vector<uint32_t> rank(distinct.size());
  uint32_t current = 0;
  for (size_t i = 0; i < sortedKeys.size(); ++i) {
    if (i > 0 && NameCollation::compare(distinct[sortedKeys[i - 1]], distinct[sortedKeys[i]]) != 0)
      ++current;
    rank[sortedKeys[i]] = current;
  }

  std::vector<std::pair<uint32_t, uint32_t>> byRank(holders.size());  // rank, holder
  for (size_t i = 0; i < holders.size(); ++i)
    byRank[i] = {rank[keyIndex[i]], static_cast<uint32_t>(i)};
  std::sort(byRank.begin(), byRank.end());
  KeyOrder order(holders.size());
  for (size_t i = 0; i < byRank.size(); ++i) order[i] = byRank[i].second;
  return order;
}

}  // namespace

KeyOrder keyOrder(const std::vector<Holder>& holders, int kind) {
  return kind == 4 ? nameOrder(holders) : codeUnitOrder(holders, kind);
}

std::array<KeyOrder, 4> keyOrders(const std::vector<Holder>& holders) {
  return {keyOrder(holders, 1), keyOrder(holders, 2), keyOrder(holders, 3), keyOrder(holders, 4)};
}

}  // namespace kv884::mkset

#include "mkset/record_numbering.hpp"

#include <numeric>
#include <utility>

#include "mkset/seeded_random.hpp"

namespace kv884::mkset {

std::optional<uint32_t> firstInEveryOrder(const std::array<KeyOrder, 4>& orders) {
  if (orders[0].empty()) return std::nullopt;
  uint32_t first = orders[0].front();
  for (const KeyOrder& order : orders)
    if (order.front() != first) return std::nullopt;
  return first;
}

std::vector<uint32_t> shuffled(size_t count, uint64_t seed) {
  std::vector<uint32_t> items(count);
  std::iota(items.begin(), items.end(), 0U);
  SeededRandom random(seed);
  for (size_t i = count; i > 1; --i) std::swap(items[i - 1], items[random.below(i)]);
  return items;
}

std::vector<int64_t> detailRecordNumbers(size_t count, uint64_t seed,
                                         std::optional<uint32_t> holderAt999999) {
  std::vector<uint32_t> holderAt = shuffled(count, seed ^ 0xD37A11ULL);
  if (static_cast<int64_t>(count) > kLastUsableSuccessor && holderAt999999) {
    size_t last = static_cast<size_t>(kLastUsableSuccessor);  // index of record 999999
    for (size_t r = 0; r < count; ++r)
      if (holderAt[r] == *holderAt999999) std::swap(holderAt[r], holderAt[last]);
  }
  std::vector<int64_t> numbers(count);
  for (size_t r = 0; r < count; ++r) numbers[holderAt[r]] = static_cast<int64_t>(r) + 1;
  return numbers;
}

}  // namespace kv884::mkset

#include "check/detail_table.hpp"

#include "dataset/key_kind.hpp"

namespace kv884 {

namespace {

size_t slots(int64_t count) {
  return static_cast<size_t>(count) + 1;  // record numbers are 1-based
}

KeyColumn columnOf(int kind, int64_t count) {
  const KeyKind& k = keyKind(kind);
  return KeyColumn(slots(count), static_cast<size_t>(k.keyField.length), k.byNameCollation);
}

}  // namespace

DetailTable::DetailTable(int64_t count)
    : count_(count),
      successors_{PackedNumbers(slots(count)), PackedNumbers(slots(count)),
                  PackedNumbers(slots(count)), PackedNumbers(slots(count))},
      keys_{columnOf(1, count), columnOf(2, count), columnOf(3, count), columnOf(4, count)} {}

void DetailTable::set(int64_t recNo, std::u16string_view text) {
  for (const KeyKind& k : keyKinds()) {
    successors_[k.kind - 1].set(static_cast<size_t>(recNo), successorOf(k, text));
    keys_[k.kind - 1].set(static_cast<size_t>(recNo), keyFieldOf(k, text));
  }
}

int64_t DetailTable::successor(int kind, int64_t recNo) const {
  return successors_[kind - 1].get(static_cast<size_t>(recNo));
}

std::u16string_view DetailTable::key(int kind, int64_t recNo, KeyBuffer& buffer) const {
  return keys_[kind - 1].get(static_cast<size_t>(recNo), buffer);
}

}  // namespace kv884

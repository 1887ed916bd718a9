#pragma once
// Where records go in the files. Detail records are shuffled so that their numbers say nothing
// about the holder data record or the key order, as in delivered data sets; the leaf pages of the
// four kinds are shuffled together for the same reason.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "dataset/record_number.hpp"
#include "mkset/key_orders.hpp"

namespace kv884::mkset {

// 999999 ends a chain, so the detail record of that number cannot be anyone's successor: it can
// only hold a holder that comes first in all four orders.
inline constexpr int64_t kLastUsableSuccessor = kEndOfChain - 1;
inline constexpr int64_t kMaxHolders = kEndOfChain;  // the largest record number of six digits

// The holder that comes first in every key order, if one does.
std::optional<uint32_t> firstInEveryOrder(const std::array<KeyOrder, 4>& orders);

// The detail record number (1-based) of each holder: a permutation of 1..count drawn from seed.
// holderAt999999 is the holder to put into record 999999 when count reaches it.
std::vector<int64_t> detailRecordNumbers(size_t count, uint64_t seed,
                                         std::optional<uint32_t> holderAt999999);

// A permutation of 0..count-1 drawn from seed.
std::vector<uint32_t> shuffled(size_t count, uint64_t seed);

}  // namespace kv884::mkset

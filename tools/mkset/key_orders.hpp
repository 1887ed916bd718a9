#pragma once
// The four orders in which the index chains the holders: kinds 1 to 3 by code units of the key,
// kind 4 by the name collation; holders with equal keys keep their input order.

#include <array>
#include <cstdint>
#include <vector>

#include "mkset/holder.hpp"

namespace kv884::mkset {

// Holder indices (0-based, input order) in ascending key order.
using KeyOrder = std::vector<uint32_t>;

KeyOrder keyOrder(const std::vector<Holder>& holders, int kind);

// Indexed by kind - 1.
std::array<KeyOrder, 4> keyOrders(const std::vector<Holder>& holders);

}  // namespace kv884::mkset

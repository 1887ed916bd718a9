#pragma once
// Made-up holders for tests, samples and benchmarks, the same for the same seed: people with
// common Taiwanese surnames and given names, companies, ID numbers (a letter and nine digits, or
// a business number of eight digits), eleven-digit accounts and holder numbers. Some holders share
// an ID with an earlier one (one person, two accounts); many share key beginnings.
//
// The first holder always comes first in all four key orders, so that even a set of 999,999
// holders can give detail record 999999 to a holder that no chain has to lead to.

#include <cstdint>
#include <string_view>
#include <vector>

#include "mkset/holder.hpp"

namespace kv884::mkset {

std::vector<Holder> syntheticHolders(size_t count, uint64_t seed, std::u16string_view securityCode);

}  // namespace kv884::mkset

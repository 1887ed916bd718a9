#pragma once
// Record numbers stored in the index files: six decimal digits with leading zeros.

#include <cstdint>
#include <string_view>

namespace kv884 {

inline constexpr int64_t kEmptyEntry = 0;       // "000000": an unused page entry
inline constexpr int64_t kEndOfChain = 999999;  // the last record of a key order

// Read as a decimal number by the numeric field rule; a field without digits reads as 0.
int64_t recordNumber(std::u16string_view field);

}  // namespace kv884

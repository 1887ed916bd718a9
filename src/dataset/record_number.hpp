#pragma once
// Record numbers stored in the index files: six decimal digits with leading zeros.

#include <cstdint>
#include <string>
#include <string_view>

namespace kv884 {

inline constexpr int kRecordNumberWidth = 6;
inline constexpr std::u16string_view kEmptyEntryNumber = u"000000";  // an unused page entry
inline constexpr int64_t kEndOfChain = 999999;  // the last record of a key order

// Read as a decimal number by the numeric field rule; a field without digits reads as 0.
int64_t recordNumber(std::u16string_view field);

// The six digits that hold number (0 to 999999).
std::u16string recordNumberText(int64_t number);

}  // namespace kv884

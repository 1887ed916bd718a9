#pragma once
// The exit statuses of kv884-query beyond 0 (success) and 64 (bad usage, exit_usage.hpp).

#include <string_view>

namespace kv884 {

inline constexpr int kExitNoMatch = 1;  // a search found nothing
inline constexpr int kExitFailure = 2;  // the data set could not be opened or a record not read

// The status a search that ended with this message box gives: MSG_1_08 (a record that cannot
// be read) is a failure, every other message of a search a no-match.
inline int statusOfSearchMessage(std::u16string_view message) {
  return message.starts_with(u"MSG_1_08") ? kExitFailure : kExitNoMatch;
}

}  // namespace kv884

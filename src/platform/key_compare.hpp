#pragma once
// The two orders in which keys are stored and compared. Kinds 1 to 3 (ID number, account,
// holder number): UTF-16 code-unit order with exact equality. Kind 4 (names): the name collation.

#include <stdexcept>
#include <string>
#include <string_view>

namespace kv884 {

// <0, 0 or >0 as a sorts before, equal to or after b; a prefix sorts first.
int compareCodeUnits(std::u16string_view a, std::u16string_view b);

// Simple upper-case mapping, one character for one, so the length never changes.
std::u16string upperCaseKey(std::u16string_view key);

// The name collation could not be opened (ICU's collation library or its data is missing);
// what(): the message for the user, naming the collation and ICU's reason.
class CollationUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Names: Taiwan's stroke order for Han characters, Latin before Han, case- and width-insensitive.
// The one place the name order is decided; another collation can be put in its place here.
class NameCollation {
 public:
  static int compare(std::u16string_view a, std::u16string_view b);
  static bool equal(std::u16string_view a, std::u16string_view b) { return compare(a, b) == 0; }
};

}  // namespace kv884

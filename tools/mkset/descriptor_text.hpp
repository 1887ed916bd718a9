#pragma once
// The security descriptor as one line of four quoted items: "code","name","date","flag" CR LF.

#include <string>

namespace kv884::mkset {

struct SecurityItems {
  std::u16string code;
  std::u16string name;
  std::u16string dataDate;
  std::u16string decimalFlag;
};

// Throws MksetError for an item the quoted form cannot carry (a double quote or a line break).
std::u16string descriptorText(const SecurityItems& items);

}  // namespace kv884::mkset

#pragma once
// The security descriptor: four items (code, name, data date, decimal flag), read one at a time
// so the caller can store each value as soon as it has been read, and written as one line.

#include <string>

#include "platform/sequential_input.hpp"

namespace kv884 {

// The next comma- or line-separated item, decoded from Big5. Blanks before an item and line
// breaks between items are skipped; a quoted item runs to the closing quote and whatever follows
// it up to the separator is skipped; trailing blanks of an unquoted item are removed. Throws
// FileError 62 when the file ends before an item begins, 59 for an item longer than
// kDescriptorItemLimit bytes: a descriptor holds a code, a name, a date and a flag, and nothing
// of that size is shown or used whole.
std::u16string readDescriptorItem(SequentialInput& input);

inline constexpr size_t kDescriptorItemLimit = 1024;

// The first item, the security code, which names every data file: only a plain file-name stem
// is taken (no separator, no "..", no control character, short enough that the longest name it
// forms fits the host's limit of 255 bytes a name). Anything else throws FileError 52, so a
// crafted descriptor cannot lead the program to files outside the data folder.
std::u16string readSecurityCode(SequentialInput& input);

struct SecurityItems {
  std::u16string code;
  std::u16string name;
  std::u16string dataDate;
  std::u16string decimalFlag;
};

// The descriptor's text: "code","name","date","flag" CR LF. Throws std::invalid_argument naming
// an item that holds a double quote or a line break, which no item of the descriptor can carry.
std::u16string descriptorText(const SecurityItems& items);

}  // namespace kv884

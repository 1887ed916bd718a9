#pragma once
// Items of the security descriptor (code, name, data date, decimal flag), read one at a time so
// the caller can store each value as soon as it has been read.

#include <string>

#include "platform/sequential_input.hpp"

namespace kv884 {

// The next comma- or line-separated item, decoded from Big5. Blanks before an item and line
// breaks between items are skipped; a quoted item runs to the closing quote and whatever follows
// it up to the separator is skipped; trailing blanks of an unquoted item are removed. Throws
// FileError 62 when the file ends before an item begins.
std::u16string readDescriptorItem(SequentialInput& input);

}  // namespace kv884

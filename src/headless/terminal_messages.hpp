#pragma once
// Message boxes on a terminal: the text with each CR LF written as one line break, then a line
// break, on standard error as the command-line programs show them.

#include <ostream>
#include <string>
#include <vector>

namespace kv884 {

void printMessage(std::ostream& err, const std::u16string& text);
void printMessages(std::ostream& err, const std::vector<std::u16string>& texts);

}  // namespace kv884

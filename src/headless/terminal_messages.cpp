#include "headless/terminal_messages.hpp"

#include "platform/utf.hpp"

namespace kv884 {

void printMessage(std::ostream& err, const std::u16string& text) {
  std::string utf8 = toUtf8(text);
  for (size_t at; (at = utf8.find("\r\n")) != std::string::npos;) utf8.replace(at, 2, "\n");
  err << utf8 << '\n';
}

void printMessages(std::ostream& err, const std::vector<std::u16string>& texts) {
  for (const std::u16string& text : texts) printMessage(err, text);
}

}  // namespace kv884

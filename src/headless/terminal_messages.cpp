#include "headless/terminal_messages.hpp"

#include "platform/utf.hpp"

namespace kv884 {

void printMessage(std::ostream& err, const std::u16string& text) {
  const std::string utf8 = toUtf8(text);
  // Each line of the message on a line of its own: CR LF becomes the terminal's line break.
  size_t from = 0;
  for (size_t at; (at = utf8.find("\r\n", from)) != std::string::npos; from = at + 2)
    err << std::string_view(utf8).substr(from, at - from) << '\n';
  err << std::string_view(utf8).substr(from) << '\n';
}

void printMessages(std::ostream& err, const std::vector<std::u16string>& texts) {
  for (const std::u16string& text : texts) printMessage(err, text);
}

}  // namespace kv884

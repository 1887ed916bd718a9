#include "cli/headless_ui.hpp"

namespace kv884 {

void HeadlessUi::messageBox(const std::u16string& text, const std::u16string&, MessageIcon) {
  messages_.push_back(text);
}

std::u16string HeadlessUi::browseForFolder(const std::u16string&) {
  return {};
}

std::vector<std::u16string> HeadlessUi::takeMessages() {
  std::vector<std::u16string> taken;
  taken.swap(messages_);
  return taken;
}

}  // namespace kv884

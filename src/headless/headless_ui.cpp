#include "headless/headless_ui.hpp"

namespace kv884 {

void HeadlessUi::messageBox(const std::u16string& text, const std::u16string& caption,
                            MessageIcon icon) {
  messages.push_back({text, caption, icon});
}

std::u16string HeadlessUi::browseForFolder(const std::u16string& prompt) {
  prompts.push_back(prompt);
  if (folderAnswers.empty()) return {};
  std::u16string answer = std::move(folderAnswers.front());
  folderAnswers.pop_front();
  return answer;
}

void HeadlessUi::setWaitPointer(WindowId, std::string_view control, bool wait) {
  if (wait) {
    ++waitPointers[std::string(control)];
    waiting.insert(std::string(control));
  } else {
    waiting.erase(std::string(control));
  }
}

std::vector<std::u16string> HeadlessUi::takeMessages() {
  std::vector<std::u16string> texts;
  texts.reserve(messages.size());
  for (ShownMessage& m : messages) texts.push_back(std::move(m.text));
  messages.clear();
  return texts;
}

}  // namespace kv884

#pragma once
// The JSON lines the headless front end prints: one object per shown screen, or per replayed
// action. Texts are written exactly as the boxes hold them (UTF-8, never trimmed).

#include <string>
#include <vector>

namespace kv884 {

class QueryWindow;

std::string jsonString(const std::u16string& text);

// {"security": ..., ..., "ring": ...}: the screen the query window shows.
std::string screenJson(const QueryWindow& window);

// One line of a replay: the action, its messages, and the state of the query window after it
// (null fields when the window is not loaded).
std::string replayJson(const std::string& action, const std::vector<std::u16string>& messages,
                       bool disabled, const QueryWindow* window);

// The screen as one line of tab-separated box texts, in the order of screenJson.
std::string screenText(const QueryWindow& window);

}  // namespace kv884

#pragma once
// What kv884-query prints of the query window: one line per shown screen (JSON or tab-separated
// texts), or per replayed action the window's whole state. Texts are written exactly as the boxes
// hold them (UTF-8, never trimmed); keys in the order of the window's boxes.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace kv884 {

class QueryWindow;
struct QueryControls;

// {"security": ..., ..., "ring": ...}: the screen the query window's boxes show.
nlohmann::ordered_json screenJson(const QueryControls& boxes);

// The screen as one line of tab-separated box texts, in the order of screenJson.
std::string screenText(const QueryControls& boxes);

// One line of a replay: the action, its messages, and the state of the query window after it
// (null fields when the window is not loaded).
nlohmann::ordered_json replayJson(const std::string& action,
                                  const std::vector<std::u16string>& messages, bool disabled,
                                  const QueryWindow* window);

// A JSON value as one line of UTF-8 text.
std::string jsonLine(const nlohmann::ordered_json& value);

}  // namespace kv884

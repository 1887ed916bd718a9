#include "cli/json_output.hpp"

#include "platform/utf.hpp"
#include "querywin/query_boxes.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

using nlohmann::ordered_json;

ordered_json screenJson(const QueryControls& boxes) {
  ordered_json screen = ordered_json::object();
  for (const QueryBox& b : kQueryBoxes)
    if (!b.field.empty()) screen[std::string(b.field)] = toUtf8((boxes.*b.box).text);
  return screen;
}

std::string screenText(const QueryControls& boxes) {
  std::string line;
  for (const QueryBox& b : kQueryBoxes) {
    if (b.field.empty()) continue;
    if (!line.empty()) line += '\t';
    line += toUtf8((boxes.*b.box).text);
  }
  return line;
}

ordered_json replayJson(const std::string& action, const std::vector<std::u16string>& messages,
                        bool disabled, const QueryWindow* window) {
  ordered_json line{{"action", toUtf8(fromUtf8(action))},
                    {"messages", ordered_json::array()},
                    {"disabled", disabled}};
  for (const std::u16string& m : messages) line["messages"].push_back(toUtf8(m));
  if (!window) {
    for (const char* key : {"comb_1", "tx_i_01", "boxes", "enabled"}) line[key] = nullptr;
    return line;
  }
  line["comb_1"] = toUtf8(window->comb_1.text);
  line["tx_i_01"] = toUtf8(window->tx_i_01.text);
  ordered_json& boxes = line["boxes"] = ordered_json::object();
  for (const QueryBox& b : kQueryBoxes)
    if (!b.field.empty()) boxes[std::string(b.name)] = toUtf8((window->*b.box).text);
  line["enabled"] = {{"cmd_2", window->cmd_2.enabled},
                     {"cmd_5", window->cmd_5.enabled},
                     {"cmd_6", window->cmd_6.enabled}};
  return line;
}

std::string jsonLine(const ordered_json& value) {
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace kv884

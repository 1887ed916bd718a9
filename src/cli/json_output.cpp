#include "cli/json_output.hpp"

#include <cstdio>
#include <utility>

#include "platform/utf.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

namespace {

// The boxes of a screen under their output names, in output order.
std::vector<std::pair<const char*, const TextBox*>> screenBoxes(const QueryWindow& w) {
  return {{"security", &w.tx_o_01},         {"allotment_type", &w.tx_o_19},
          {"data_date", &w.tx_o_23},        {"holder_no", &w.tx_o_02},
          {"holder_name", &w.tx_o_03},      {"id_no", &w.tx_o_04},
          {"id_mark", &w.tx_o_04_x},        {"account_no", &w.tx_o_05},
          {"transfer_shares", &w.tx_o_18},  {"collateral_shares", &w.tx_o_11},
          {"collateral_count", &w.tx_o_12}, {"data_category", &w.tx_o_09},
          {"per_holder", &w.tx_o_24},       {"ring", &w.tx_o_pnt}};
}

std::vector<std::pair<const char*, const TextBox*>> replayBoxes(const QueryWindow& w) {
  return {{"tx_o_01", &w.tx_o_01},     {"tx_o_19", &w.tx_o_19},  {"tx_o_23", &w.tx_o_23},
          {"tx_o_02", &w.tx_o_02},     {"tx_o_03", &w.tx_o_03},  {"tx_o_04", &w.tx_o_04},
          {"tx_o_04_x", &w.tx_o_04_x}, {"tx_o_05", &w.tx_o_05},  {"tx_o_18", &w.tx_o_18},
          {"tx_o_11", &w.tx_o_11},     {"tx_o_12", &w.tx_o_12},  {"tx_o_09", &w.tx_o_09},
          {"tx_o_24", &w.tx_o_24},     {"tx_o_pnt", &w.tx_o_pnt}};
}

std::string object(const std::vector<std::pair<const char*, const TextBox*>>& boxes) {
  std::string out = "{";
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (i > 0) out += ", ";
    out += "\"" + std::string(boxes[i].first) + "\": " + jsonString(boxes[i].second->text);
  }
  return out + "}";
}

const char* boolean(bool value) {
  return value ? "true" : "false";
}

}  // namespace

std::string jsonString(const std::u16string& text) {
  std::string utf8 = toUtf8(text);
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", c);
          out += escape;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string screenJson(const QueryWindow& window) {
  return object(screenBoxes(window));
}

std::string screenText(const QueryWindow& window) {
  std::string out;
  for (const auto& [name, box] : screenBoxes(window)) {
    if (!out.empty()) out += '\t';
    out += toUtf8(box->text);
  }
  return out;
}

std::string replayJson(const std::string& action, const std::vector<std::u16string>& messages,
                       bool disabled, const QueryWindow* window) {
  std::string out = "{\"action\": " + jsonString(fromUtf8(action)) + ", \"messages\": [";
  for (size_t i = 0; i < messages.size(); ++i) out += (i ? ", " : "") + jsonString(messages[i]);
  out += "], \"disabled\": " + std::string(boolean(disabled));
  if (!window)
    return out + ", \"comb_1\": null, \"tx_i_01\": null, \"boxes\": null, \"enabled\": null}";
  out += ", \"comb_1\": " + jsonString(window->comb_1.text);
  out += ", \"tx_i_01\": " + jsonString(window->tx_i_01.text);
  out += ", \"boxes\": " + object(replayBoxes(*window));
  out += ", \"enabled\": {\"cmd_2\": " + std::string(boolean(window->cmd_2.enabled)) +
         ", \"cmd_5\": " + boolean(window->cmd_5.enabled) +
         ", \"cmd_6\": " + boolean(window->cmd_6.enabled) + "}}";
  return out;
}

}  // namespace kv884

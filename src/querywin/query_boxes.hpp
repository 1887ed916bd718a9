#pragma once
// The text boxes of the query window in one table, from the top of the window to its foot: the
// control's name (also the name of its widget on the screen), its field in kv884-query's output,
// the box, and the label whose caption stands beside it. The screens that kv884-query prints, the
// window's state it reports and the boxes the desktop view shows all come from this table.

#include <string_view>

#include "querywin/query_controls.hpp"

namespace kv884 {

struct QueryBox {
  std::string_view name;
  std::string_view field;  // empty: the box is never written and not reported
  TextBox QueryControls::*box;
  std::string_view labelName;  // empty: the box has no caption of its own
  Label QueryControls::*label;
};

inline constexpr QueryBox kQueryBoxes[] = {
    {"tx_o_01", "security", &QueryControls::tx_o_01, "lab_01", &QueryControls::lab_01},
    {"tx_o_19", "allotment_type", &QueryControls::tx_o_19, {}, nullptr},
    {"tx_o_23", "data_date", &QueryControls::tx_o_23, "lab_23", &QueryControls::lab_23},
    {"tx_o_02", "holder_no", &QueryControls::tx_o_02, "lab_02", &QueryControls::lab_02},
    {"tx_o_03", "holder_name", &QueryControls::tx_o_03, "lab_03", &QueryControls::lab_03},
    {"tx_o_04", "id_no", &QueryControls::tx_o_04, "lab_04", &QueryControls::lab_04},
    {"tx_o_04_x", "id_mark", &QueryControls::tx_o_04_x, {}, nullptr},
    {"tx_o_05", "account_no", &QueryControls::tx_o_05, "lab_05", &QueryControls::lab_05},
    {"tx_o_05_1", {}, &QueryControls::tx_o_05_1, {}, nullptr},
    {"tx_o_18", "transfer_shares", &QueryControls::tx_o_18, "lab_18", &QueryControls::lab_18},
    {"tx_o_11", "collateral_shares", &QueryControls::tx_o_11, "lab_11", &QueryControls::lab_11},
    {"tx_o_12", "collateral_count", &QueryControls::tx_o_12, "lab_12", &QueryControls::lab_12},
    {"tx_o_09", "data_category", &QueryControls::tx_o_09, "lab_09", &QueryControls::lab_09},
    {"tx_o_24", "per_holder", &QueryControls::tx_o_24, "lab_24", &QueryControls::lab_24},
    {"tx_o_pnt", "ring", &QueryControls::tx_o_pnt, {}, nullptr},
};

}  // namespace kv884

#pragma once
// The controls of frm_1, the register query window, as plain data with their start state.

#include "dataset/key_kind.hpp"
#include "platform/controls.hpp"

namespace kv884 {

struct QueryControls {
  static constexpr std::u16string_view kCaption = u"配發有價證券劃撥轉帳清冊(KQD05)";

  // Header and command row.
  Label Label1{u"配發有價證券劃撥轉帳清冊查詢"};
  Label Label2_0{u"查詢條件"};
  ComboBox comb_1{std::u16string(keyKind(1).caption), kindCaptionList()};
  Label Label2_1{u"查詢資料"};
  TextBox tx_i_01{u"", true, false, kKeyBoxLimit};
  Button cmd_5{u"", true, u"前一畫面"};
  Button cmd_6{u"", true, u"下一畫面"};
  Button cmd_1{u"查詢"};
  Button cmd_2{u"次筆"};
  Button cmd_4{u"列印"};
  Button cmd_3{u"結束"};

  // Record area: a caption label and its output box(es) per row.
  Label lab_01{u"證券代號"};
  TextBox tx_o_01{u"", false, true};
  TextBox tx_o_19{u"", true, true};
  Label Label9{u"KQD05"};
  Label lab_23{u"資料日期"};
  TextBox tx_o_23{u"", false, true};
  Label lab_02{u"戶號"};
  TextBox tx_o_02{u"", false, true};
  Label lab_03{u"戶名"};
  TextBox tx_o_03{u"", true, true};
  Label lab_04{u"身分證/營利事業統一編號"};
  TextBox tx_o_04{u"", true, true};
  TextBox tx_o_04_x{u"", true, true};
  Label lab_05{u"集保帳號"};
  TextBox tx_o_05{u"", true, true};
  TextBox tx_o_05_1{u"", true, true};
  Label lab_18{u"劃撥股數"};
  TextBox tx_o_18{u"", false, true};
  Label lab_11{u"擔保品/全權委託撥轉股數"};
  TextBox tx_o_11{u"", false, true};
  Label lab_12{u"擔保品/全權委託撥轉筆數"};
  TextBox tx_o_12{u"", false, true};
  Label lab_09{u"資料類別"};
  TextBox tx_o_09{u"", false, true};
  Label Label6{u"1：無償配股、2：有償配股、空白：其他"};
  Label lab_24{u"逐戶配發"};
  TextBox tx_o_24{u"", false, true};
  TextBox tx_o_pnt{u"", true, true};  // position in the ring of shown screens

  bool operator==(const QueryControls&) const = default;
};

}  // namespace kv884

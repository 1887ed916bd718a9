#pragma once
// frm_1, the register query window: search by one of four keys, step to the next holder with
// the same key beginning, page through the screens already shown, print the shown record.
// It works on the three data files the start window left open (1 holder-key index, 2 detail
// index, 3 holder data).

#include <functional>

#include "platform/file_error.hpp"
#include "querywin/query_controls.hpp"
#include "querywin/query_state.hpp"

namespace kv884 {

class Program;
struct KeyKind;

class QueryWindow : public QueryControls, public QueryState {
 public:
  explicit QueryWindow(Program& program);

  void Form_Load();
  void comb_1_Click();   // an item picked from the list
  void tx_i_01_Click();  // a mouse click into the key box
  void cmd_1_Click();    // 查詢
  void cmd_2_Click();    // 次筆
  void cmd_3_Click();    // 結束
  void cmd_4_Click();    // 列印
  void cmd_5_Click();    // 前一畫面
  void cmd_6_Click();    // 下一畫面

 private:
  enum class SearchEnd { Match, RootMiss, WalkMiss };

  SearchEnd findFirstMatch(const KeyKind& kind);
  bool scanRootPage(const KeyKind& kind, int64_t& leafPage);
  bool scanLeafPage(const KeyKind& kind, int64_t leafPage);
  bool walkChain(const KeyKind& kind);
  bool beginsWithSearchKey(std::u16string_view detailText) const;

  void ShowMatch();
  void ShowRecord();
  void showSlot(int16_t slot);

  // Runs a change of the shown screen; when a record cannot be read, every control and value
  // is put back as it was and MSG_1_08 reports the error.
  void showScreenAtomically(const std::function<void()>& change);
  std::u16string readDetailRecord(int64_t recNo);
  void showMessage(const std::u16string& text);

  Program& program_;
};

}  // namespace kv884

#pragma once
// What a click of the query window can change, copied before the click so that a record that
// cannot be read puts the window back exactly as it was (MSG_1_08): the text and state of every
// box, button and the combo box, every window-level value, and of the ring of shown screens the
// one slot a push would overwrite, a push being the only write into the ring's arrays. The
// captions of labels and buttons, the tooltips, the combo box's list and the box limits never
// change once the window is built and are not copied.
//
// The copies go into storage kept from click to click, so taking one allocates nothing once the
// texts have had their longest lengths.

#include <array>
#include <cstdint>
#include <string>

#include "querywin/query_controls.hpp"
#include "querywin/query_state.hpp"

namespace kv884 {

class QueryWindowSnapshot {
 public:
  void take(const QueryControls& controls, const QueryState& state);
  void restore(QueryControls& controls, QueryState& state) const;

  static constexpr size_t kBoxes = 16;
  static constexpr size_t kButtons = 6;

 private:
  struct Box {
    std::u16string text;
    bool enabled{false};
    bool readOnly{false};
  };

  std::array<Box, kBoxes> boxes_;
  std::array<bool, kButtons> buttonsEnabled_{};
  std::u16string comboText_;
  bool comboEnabled_{false};

  int16_t searchKind_{0};
  std::u16string searchKey_;
  int16_t searchKeyLen_{0};
  std::u16string idxdRec_;
  int32_t searchRecNo_{0};
  int32_t nextRecNo_{0};
  int32_t dataRecNo_{0};
  std::u16string dataRec_;
  int16_t histFirst_{0};
  int16_t histPos_{0};
  int16_t histLast_{0};
  int16_t pushSlot_{0};  // the slot after m_HistLast, and what it held
  int32_t pushSlotIdxd_{0};
  int32_t pushSlotData_{0};
};

}  // namespace kv884

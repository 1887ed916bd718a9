#include "querywin/window_snapshot.hpp"

namespace kv884 {

namespace {

constexpr std::array<TextBox QueryControls::*, QueryWindowSnapshot::kBoxes> kBoxMembers{
    &QueryControls::tx_i_01,   &QueryControls::tx_o_01,   &QueryControls::tx_o_19,
    &QueryControls::tx_o_23,   &QueryControls::tx_o_02,   &QueryControls::tx_o_03,
    &QueryControls::tx_o_04,   &QueryControls::tx_o_04_x, &QueryControls::tx_o_05,
    &QueryControls::tx_o_05_1, &QueryControls::tx_o_18,   &QueryControls::tx_o_11,
    &QueryControls::tx_o_12,   &QueryControls::tx_o_09,   &QueryControls::tx_o_24,
    &QueryControls::tx_o_pnt};

constexpr std::array<Button QueryControls::*, QueryWindowSnapshot::kButtons> kButtonMembers{
    &QueryControls::cmd_1, &QueryControls::cmd_2, &QueryControls::cmd_3,
    &QueryControls::cmd_4, &QueryControls::cmd_5, &QueryControls::cmd_6};

int16_t slotAfter(int16_t slot) {
  return static_cast<int16_t>(slot >= kRingSlots || slot < 0 ? 1 : slot + 1);
}

}  // namespace

void QueryWindowSnapshot::take(const QueryControls& controls, const QueryState& state) {
  for (size_t i = 0; i < kBoxes; ++i) {
    const TextBox& box = controls.*kBoxMembers[i];
    boxes_[i].text = box.text;
    boxes_[i].enabled = box.enabled;
    boxes_[i].readOnly = box.readOnly;
  }
  for (size_t i = 0; i < kButtons; ++i) buttonsEnabled_[i] = (controls.*kButtonMembers[i]).enabled;
  comboText_ = controls.comb_1.text;
  comboEnabled_ = controls.comb_1.enabled;

  searchKind_ = state.m_SearchKind;
  searchKey_ = state.m_SearchKey;
  searchKeyLen_ = state.m_SearchKeyLen;
  idxdRec_ = state.m_IdxdRec;
  searchRecNo_ = state.m_SearchRecNo;
  nextRecNo_ = state.m_NextRecNo;
  dataRecNo_ = state.m_DataRecNo;
  dataRec_ = state.m_DataRec;
  histFirst_ = state.m_HistFirst;
  histPos_ = state.m_HistPos;
  histLast_ = state.m_HistLast;
  pushSlot_ = slotAfter(state.m_HistLast);
  pushSlotIdxd_ = state.m_HistIdxd[pushSlot_];
  pushSlotData_ = state.m_HistData[pushSlot_];
}

void QueryWindowSnapshot::restore(QueryControls& controls, QueryState& state) const {
  for (size_t i = 0; i < kBoxes; ++i) {
    TextBox& box = controls.*kBoxMembers[i];
    box.text = boxes_[i].text;
    box.enabled = boxes_[i].enabled;
    box.readOnly = boxes_[i].readOnly;
  }
  for (size_t i = 0; i < kButtons; ++i) (controls.*kButtonMembers[i]).enabled = buttonsEnabled_[i];
  controls.comb_1.text = comboText_;
  controls.comb_1.enabled = comboEnabled_;

  state.m_SearchKind = searchKind_;
  state.m_SearchKey = searchKey_;
  state.m_SearchKeyLen = searchKeyLen_;
  state.m_IdxdRec = idxdRec_;
  state.m_SearchRecNo = searchRecNo_;
  state.m_NextRecNo = nextRecNo_;
  state.m_DataRecNo = dataRecNo_;
  state.m_DataRec = dataRec_;
  state.m_HistFirst = histFirst_;
  state.m_HistPos = histPos_;
  state.m_HistLast = histLast_;
  state.m_HistIdxd[pushSlot_] = pushSlotIdxd_;
  state.m_HistData[pushSlot_] = pushSlotData_;
}

}  // namespace kv884

// 前一畫面 and 下一畫面: one slot back or forward in the ring of shown screens. The screen is
// read afresh by its record numbers; the search keeps its place, so 次筆 goes on from there.

#include "querywin/query_window.hpp"

namespace kv884 {

ClickOutcome QueryWindow::cmd_5_Click() {
  if (!cmd_5.enabled) return ClickOutcome::Disabled;
  return showScreenAtomically([this] {
    showSlot(ringStep(m_HistPos, -1));
    cmd_6.enabled = true;
    if (m_HistPos == m_HistFirst) cmd_5.enabled = false;
    return ClickOutcome::Done;
  });
}

ClickOutcome QueryWindow::cmd_6_Click() {
  if (!cmd_6.enabled) return ClickOutcome::Disabled;
  return showScreenAtomically([this] {
    showSlot(ringStep(m_HistPos, 1));
    cmd_5.enabled = true;
    if (m_HistPos == m_HistLast) cmd_6.enabled = false;
    return ClickOutcome::Done;
  });
}

void QueryWindow::showSlot(int16_t slot) {
  m_HistPos = slot;
  m_DataRecNo = m_HistData[slot];
  m_NextRecNo = m_HistIdxd[slot];
  readDetailRecord(m_NextRecNo);
  ShowRecord();
  host_.ui.repaintNow(WindowId::Query);
  // Put the record at which the search stands back into the buffer.
  m_NextRecNo = m_SearchRecNo;
  readDetailRecord(m_SearchRecNo);
}

}  // namespace kv884

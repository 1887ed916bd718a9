// Every found holder is shown through ShowMatch: pushed onto the ring of shown screens, shown,
// and the next record of the key order read ahead so 次筆 is offered exactly when one more
// holder begins with the search key.

#include "dataset/detail_record.hpp"
#include "dataset/key_kind.hpp"
#include "platform/file_error.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

void QueryWindow::ShowMatch() {
  // A push goes after the newest screen, whatever screen is on display; when the ring is full
  // the oldest screen gives way.
  m_HistLast = ringStep(m_HistLast, 1);
  if (m_HistLast == m_HistFirst) m_HistFirst = ringStep(m_HistFirst, 1);
  if (m_HistFirst == 0) m_HistFirst = 1;
  m_HistIdxd[m_HistLast] = m_SearchRecNo;
  m_HistData[m_HistLast] = m_DataRecNo;
  m_HistPos = m_HistLast;
  cmd_5.enabled = m_HistPos != m_HistFirst;
  cmd_6.enabled = false;

  ShowRecord();

  cmd_2.enabled = false;
  if (m_NextRecNo != kEndOfChain) {
    try {
      readDetailRecord(m_NextRecNo);
      m_SearchRecNo = m_NextRecNo;
      if (beginsWithSearchKey(m_IdxdRec)) cmd_2.enabled = true;
    } catch (const FileError&) {
      // A successor that cannot be read ends the order here, as 999999 would.
    }
  }
  host_.ui.repaintNow(WindowId::Query);
}

ClickOutcome QueryWindow::cmd_2_Click() {
  if (!cmd_2.enabled) return ClickOutcome::Disabled;
  WaitPointer wait(host_.ui, WindowId::Query, "cmd_2");
  return showScreenAtomically([this] {
    const KeyKind& kind = keyKind(m_SearchKind);
    tx_i_01.text = m_SearchKey;
    m_DataRecNo = static_cast<int32_t>(DetailRecord{m_IdxdRec}.dataRecNo());
    m_NextRecNo = static_cast<int32_t>(successorOf(kind, m_IdxdRec));
    comb_1.text = kind.caption;
    ShowMatch();
    return ClickOutcome::Done;
  });
}

}  // namespace kv884

#include "querywin/query_window.hpp"

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "platform/big5.hpp"
#include "platform/file_error.hpp"
#include "platform/key_compare.hpp"
#include "querywin/record_boxes.hpp"

namespace kv884 {

void QueryWindow::Form_Load() {
  tx_o_23.text = host_.g_DataDate;
  cmd_2.enabled = false;
  m_HistFirst = 0;
  m_HistPos = 0;
  m_HistLast = 0;
  cmd_5.enabled = false;
  cmd_6.enabled = false;
}

// Picking a kind or clicking into the key box withdraws the next match of the previous search.
ClickOutcome QueryWindow::comb_1_Click() {
  cmd_2.enabled = false;
  return ClickOutcome::Done;
}

ClickOutcome QueryWindow::tx_i_01_Click() {
  return comb_1_Click();
}

// The next Space or Enter there does only what the clerk can see coming. 前一畫面 and 下一畫面
// hand the focus to each other: paging to one end of the ring leaves screens towards the other.
// Everything else goes to 查詢, which is never disabled and repeats the search that the key box
// and the kind show; not to the key box, where a Space would become an unseen part of the key,
// and never to 結束.
std::string_view QueryWindow::focusHeir(std::string_view withdrawn) const {
  if (withdrawn == "cmd_5" && cmd_6.enabled) return "cmd_6";
  if (withdrawn == "cmd_6" && cmd_5.enabled) return "cmd_5";
  return "cmd_1";
}

ClickOutcome QueryWindow::cmd_3_Click() {
  host_.files.close(kKeyIndexFile);
  host_.files.close(kDetailIndexFile);
  host_.files.close(kHolderDataFile);
  host_.unload();
  return ClickOutcome::Done;
}

ClickOutcome QueryWindow::showScreenAtomically(const std::function<ClickOutcome()>& change) {
  savedControls_ = *this;
  savedState_ = *this;
  const auto restore = [this] {
    static_cast<QueryControls&>(*this) = savedControls_;
    static_cast<QueryState&>(*this) = savedState_;
  };
  try {
    return change();
  } catch (const FileError& error) {
    // A record that cannot be read leaves the window exactly as it was before the click.
    restore();
    host_.ui.programMessage(readErrorMessage(error));
    return ClickOutcome::ReadFailed;
  } catch (const CollationUnavailable&) {
    // So does a name search without its collation; the front end says why.
    restore();
    throw;
  }
}

void QueryWindow::readDetailRecord(int64_t recNo) {
  if (walkResume_) {
    WalkResume& resume = *walkResume_;
    WalkResume::Record* slot = &resume.details[resume.nextDetail];
    for (WalkResume::Record& held : resume.details)
      if (held.recNo == recNo) slot = &held;
    if (slot->recNo != recNo) resume.nextDetail = 1 - resume.nextDetail;
    readHeld(kDetailIndexFile, recNo, *slot);
  } else {
    host_.files.readRecordInto(kDetailIndexFile, recNo, recordBytes_);
  }
  decodeRecordInto(recordBytes_, kDetailRecordChars, m_IdxdRec);
}

}  // namespace kv884

#include "querywin/query_window.hpp"

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "platform/big5.hpp"
#include "platform/utf.hpp"
#include "startwin/program.hpp"

namespace kv884 {

QueryWindow::QueryWindow(Program& program) : program_(program) {}

void QueryWindow::Form_Load() {
  tx_o_23.text = program_.g_DataDate;
  cmd_2.enabled = false;
  m_HistFirst = 0;
  m_HistPos = 0;
  m_HistLast = 0;
  cmd_5.enabled = false;
  cmd_6.enabled = false;
}

// Picking a kind or clicking into the key box withdraws the next match of the previous search.
void QueryWindow::comb_1_Click() {
  cmd_2.enabled = false;
}

void QueryWindow::tx_i_01_Click() {
  cmd_2.enabled = false;
}

void QueryWindow::cmd_3_Click() {
  FileTable& files = program_.files;
  files.close(kKeyIndexFile);
  files.close(kDetailIndexFile);
  files.close(kHolderDataFile);
  Program& program = program_;  // the window is unloaded below; only the program remains
  program.unloadQueryWindow();
  program.frm_0.cmd_1.enabled = true;
}

void QueryWindow::showScreenAtomically(const std::function<void()>& change) {
  // Handlers never nest, so one snapshot is enough.
  saved_.take(*this, *this);
  try {
    change();
  } catch (const FileError& error) {
    // A record that cannot be read leaves the window exactly as it was before the click.
    saved_.restore(*this, *this);
    showMessage(u"MSG_1_08:資料讀取錯誤 !\r\n" + fromUtf8(std::to_string(error.number())) +
                u"\r\n" + error.description());
  }
}

void QueryWindow::readDetailRecord(int64_t recNo) {
  program_.files.readRecordInto(kDetailIndexFile, recNo, recordBytes_);
  decodeRecordInto(recordBytes_, kDetailRecordChars, m_IdxdRec);
}

void QueryWindow::showMessage(const std::u16string& text) {
  program_.ui.messageBox(text, u"KV884", MessageIcon::None);
}

}  // namespace kv884

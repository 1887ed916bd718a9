#include "startwin/start_window.hpp"

#include "dataset/data_paths.hpp"
#include "platform/ascii_text.hpp"
#include "platform/host_path.hpp"
#include "startwin/program.hpp"

namespace kv884 {

StartWindow::StartWindow(Program& program) : program_(program) {}

ClickOutcome StartWindow::lab_01_Click() {
  std::u16string folder = BrowseForFolder(u"選擇檔案所在資料夾");
  if (!folder.empty()) {
    tx_i_01.text = folder;
    CheckIndexFolder(tx_i_01.text);
  } else {
    showMessage(u"未選擇資料夾或取消選擇資料夾！");
  }
  return ClickOutcome::Done;
}

std::u16string StartWindow::BrowseForFolder(const std::u16string& prompt) {
  return program_.ui.browseForFolder(prompt.empty() ? u"選擇目錄" : prompt);
}

void StartWindow::CheckIndexFolder(const std::u16string& folder) {
  if (!nameExists(indexFolderPath(folder)))
    program_.ui.messageBox(folder + u"資料夾內需存在ntridx次目錄", u"警告訊息",
                           MessageIcon::Information);
}

ClickOutcome StartWindow::cmd_6_Click() {
  program_.end();
  return ClickOutcome::Done;
}

// Only the open button is ever withdrawn, by its own opening, with the query window then in
// front. Its heir is the count report button: a Space there only shows the report, read afresh,
// while the folder box would take it into the folder text and 結束作業 would end the program.
std::string_view StartWindow::focusHeir(std::string_view) const {
  return "cmd_5";
}

void StartWindow::showMessage(const std::u16string& text) {
  program_.ui.messageBox(text, u"KV884", MessageIcon::None);
}

// The three-line file error: code and path with " 開檔錯誤 !", the error number, its description.
void StartWindow::showFileError(std::u16string_view code, int number,
                                const std::u16string& description) {
  m_ErrorText = std::u16string(code) + shownPath(m_FilePath) + u" 開檔錯誤 !\r\n" +
                decimalText(number) + u"\r\n" + description;
  showMessage(m_ErrorText);
}

}  // namespace kv884

#include "startwin/start_window.hpp"

#include "dataset/data_paths.hpp"
#include "platform/ascii_text.hpp"
#include "platform/host_path.hpp"

namespace kv884 {

ClickOutcome StartWindow::lab_01_Click() {
  std::u16string folder = BrowseForFolder(u"選擇檔案所在資料夾");
  if (!folder.empty()) {
    tx_i_01.text = folder;
    CheckIndexFolder(tx_i_01.text);
  } else {
    host_.ui.programMessage(u"未選擇資料夾或取消選擇資料夾！");
  }
  return ClickOutcome::Done;
}

std::u16string StartWindow::BrowseForFolder(const std::u16string& prompt) {
  return host_.ui.browseForFolder(prompt.empty() ? u"選擇目錄" : prompt);
}

void StartWindow::CheckIndexFolder(const std::u16string& folder) {
  if (!nameExists(indexFolderPath(folder)))
    host_.ui.messageBox(folder + u"資料夾內需存在ntridx次目錄", u"警告訊息",
                        MessageIcon::Information);
}

ClickOutcome StartWindow::cmd_6_Click() {
  host_.end();
  return ClickOutcome::Done;
}

// Only the open button is ever withdrawn, by its own opening, with the query window then in
// front. Its heir is the count report button: a Space there only shows the report, read afresh,
// while the folder box would take it into the folder text and 結束作業 would end the program.
std::string_view StartWindow::focusHeir(std::string_view) const {
  return "cmd_5";
}

std::u16string fileErrorMessage(std::u16string_view code, std::u16string_view path,
                                const FileError& error) {
  return std::u16string(code) + shownPath(path) + u" 開檔錯誤 !\r\n" + decimalText(error.number()) +
         u"\r\n" + error.description();
}

std::u16string openingMessage(const DataSetOpening& failure) {
  switch (failure.end) {
    case OpeningEnd::HolderDataEmpty:
      return u"MSG_0_16 資料燒錄錯誤 !";
    case OpeningEnd::KeyIndexEmpty:
      return u"MSG_0_01 無可查詢資料 !";
    case OpeningEnd::DetailIndexEmpty:
      return u"MSG_0_02 資料燒錄錯誤 !";
    case OpeningEnd::DescriptorUnreadable:
      return fileErrorMessage(u"MSG_0_17 ", failure.path, *failure.error);
    default:
      return fileErrorMessage(u"MSG_0_03 ", failure.path, *failure.error);
  }
}

void StartWindow::showError(const std::u16string& text) {
  m_ErrorText = text;
  host_.ui.programMessage(m_ErrorText);
}

}  // namespace kv884

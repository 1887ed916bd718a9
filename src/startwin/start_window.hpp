#pragma once
// frm_0, the window the program opens with: the data folder box, the folder dialog, opening the
// data set for the query window, the count report, and the end of the program.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "dataset/data_set_opening.hpp"
#include "platform/click_outcome.hpp"
#include "platform/controls.hpp"
#include "platform/ui.hpp"

namespace kv884 {

// What the start window is given by the program it opens with.
struct StartWindowHost {
  Ui& ui;
  FileTable& files;
  // The program-wide values of the security descriptor, written only by ReadSecurityFile.
  std::u16string& g_SecurityName;
  std::u16string& g_DataDate;
  std::u16string& g_DecimalFlag;
  // Creates and loads the query window when it is not loaded, then shows it.
  std::function<void()> showQueryWindow;
  // The count report window's text box; the window is created, hidden, on first use.
  std::function<TextBox&()> reportText;
  // Ends the program at once: every file closes, every window goes.
  std::function<void()> end;
};

// A file that cannot be opened or read, in three lines: the message code and the path with
// " 開檔錯誤 !", the error number, its description.
std::u16string fileErrorMessage(std::u16string_view code, std::u16string_view path,
                                const FileError& error);
// The message of an opening that failed: its file error, or the message of an empty file.
std::u16string openingMessage(const DataSetOpening& failure);

class StartWindow {
 public:
  explicit StartWindow(StartWindowHost host) : host_(std::move(host)) {}

  static constexpr std::u16string_view kCaption = u"帳簿劃撥配發資料 (1040203)";

  Label Label1{u"帳簿劃撥配發資料查詢"};
  Button cmd_1{u"配發有價證券劃撥轉帳清冊(KQD05)"};
  Button cmd_5{u"帳簿劃撥配發筆數查詢"};
  Button lab_01{u"檔案位置"};
  TextBox tx_i_01;  // the data folder
  Button cmd_6{u"結束作業"};
  Label lab_02{u"瀚霖軟體工坊V" KV884_VERSION};

  std::u16string m_FilePath;
  std::u16string m_SecurityCode;
  std::u16string m_TextLine;
  std::u16string m_ErrorText;
  int16_t m_ReadFailed{0};

  ClickOutcome lab_01_Click();
  ClickOutcome cmd_1_Click();  // open the data set and show the query window
  ClickOutcome cmd_5_Click();  // show the count report
  ClickOutcome cmd_6_Click();  // end the program

  // The control that takes the focus when a handler disables `withdrawn` while it has it.
  std::string_view focusHeir(std::string_view withdrawn) const;

  std::u16string BrowseForFolder(const std::u16string& prompt);
  void CheckIndexFolder(const std::u16string& folder);
  void ReadSecurityFile();

 private:
  void showError(const std::u16string& text);  // kept in m_ErrorText

  StartWindowHost host_;
};

}  // namespace kv884

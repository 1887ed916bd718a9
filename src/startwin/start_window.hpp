#pragma once
// frm_0, the window the program opens with: the data folder box, the folder dialog, opening the
// data set for the query window, the count report, and the end of the program.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/click_outcome.hpp"
#include "platform/controls.hpp"

namespace kv884 {

class Program;

class StartWindow {
 public:
  explicit StartWindow(Program& program);

  static constexpr std::u16string_view kCaption = u"帳簿劃撥配發資料 (1040203)";

  Label Label1{u"帳簿劃撥配發資料查詢"};
  Button cmd_1{u"配發有價證券劃撥轉帳清冊(KQD05)"};
  Button cmd_5{u"帳簿劃撥配發筆數查詢"};
  Button lab_01{u"檔案位置"};
  TextBox tx_i_01;  // the data folder
  Button cmd_6{u"結束作業"};
  Label lab_02{u"瀚霖軟體工坊V10.0"};

  std::u16string m_FilePath;
  std::u16string m_SecurityCode;
  std::u16string m_TextLine;
  std::u16string m_ErrorText;
  int16_t m_OpenStage{0};  // 0 nothing open, 1 holder data open, 2 holder-key index also open
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
  void showFileError(std::u16string_view code, int number, const std::u16string& description);
  void showMessage(const std::u16string& text);

  Program& program_;
};

}  // namespace kv884

#pragma once
// frm_5, the count report window: the report text in a read-only box, printing, closing. Its
// query row is shown but inert.

#include <functional>
#include <utility>

#include "dataset/key_kind.hpp"
#include "platform/click_outcome.hpp"
#include "platform/controls.hpp"
#include "platform/print_surface.hpp"
#include "platform/ui.hpp"

namespace kv884 {

// What the count report window is given by the program that shows it.
struct ReportWindowHost {
  Ui& ui;
  PrintSurface* const& printer;  // the system's default printer; null when there is none
  std::function<void()> close;   // destroys the window
};

class ReportWindow {
 public:
  explicit ReportWindow(ReportWindowHost host) : host_(std::move(host)) {}

  static constexpr std::u16string_view kCaption = u"帳簿劃撥配發筆數";

  Label Label1{u"帳簿劃撥配發筆數查詢"};
  Label Label2_0{u"查詢條件"};
  ComboBox comb_1{u"", kindCaptionList(), false};
  Label Label2_1{u"查詢資料"};
  TextBox tx_i_01{u"", false, false, kKeyBoxLimit};
  Button Command2{u"查詢", false};
  Button Command1{u"次筆", false};
  Button cmd_1{u"列印"};
  Button cmd_2{u"結束"};
  TextBox tx_o_01{u"", true, true};  // the report text

  ClickOutcome cmd_1_Click();  // print the report
  // Closes the window; its text is discarded.
  ClickOutcome cmd_2_Click() {
    host_.close();
    return ClickOutcome::Done;
  }

 private:
  ReportWindowHost host_;
};

}  // namespace kv884

#pragma once
// The count report window frm_5 on the screen: opens maximised with a fixed border, the report
// in a read-only, scrollable box; its query row is shown but inert.

#include "gui/window_view.hpp"
#include "startwin/report_window.hpp"

namespace kv884 {

class Program;

class ReportView : public WindowView<ReportWindow> {
 public:
  ReportView(Program& program, QtUi& ui);
};

}  // namespace kv884

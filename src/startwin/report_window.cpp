#include "startwin/report_window.hpp"

#include "startwin/program.hpp"

namespace kv884 {

ReportWindow::ReportWindow(Program& program) : program_(program) {}

ClickOutcome ReportWindow::cmd_2_Click() {
  program_.closeReportWindow();
  return ClickOutcome::Done;
}

}  // namespace kv884

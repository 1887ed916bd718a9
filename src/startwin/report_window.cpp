#include "startwin/report_window.hpp"

namespace kv884 {

ReportWindow::ReportWindow(ReportWindowHost host) : host_(std::move(host)) {}

ClickOutcome ReportWindow::cmd_2_Click() {
  host_.close();
  return ClickOutcome::Done;
}

}  // namespace kv884

#include "startwin/program.hpp"

#include "querywin/query_window.hpp"
#include "startwin/report_window.hpp"

namespace kv884 {

Program::Program(Ui& ui)
    : ui(ui),
      frm_0({ui, files, g_SecurityName, g_DataDate, g_DecimalFlag, [this] { showQueryWindow(); },
             [this]() -> TextBox& { return reportWindowCreated().tx_o_01; },
             [this] {
               files.closeAll();
               this->ui.endProgram();
             }}) {}

Program::~Program() = default;

void Program::showQueryWindow() {
  if (!frm_1_) {
    unloadedQuery_.reset();
    frm_1_ = std::make_unique<QueryWindow>(
        QueryWindowHost{ui, files, g_SecurityName, g_DataDate, g_DecimalFlag, printer, [this] {
                          ui.unloadWindow(WindowId::Query);
                          unloadedQuery_ = std::move(frm_1_);
                          frm_0.cmd_1.enabled = true;
                        }});
    frm_1_->Form_Load();
  }
  ui.showWindow(WindowId::Query);
}

ReportWindow& Program::reportWindowCreated() {
  if (!frm_5_) {
    unloadedReport_.reset();
    frm_5_ = std::make_unique<ReportWindow>(ReportWindowHost{ui, printer, [this] {
                                                               ui.unloadWindow(WindowId::Report);
                                                               unloadedReport_ = std::move(frm_5_);
                                                             }});
  }
  return *frm_5_;
}

}  // namespace kv884

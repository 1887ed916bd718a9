#pragma once
// The running program: the table of open files, the values read from the security descriptor,
// and the three windows. The start window lives from start to end; the query window and the
// count report window exist from their first showing until they are closed. Each window is given
// a host for what it asks of the program, never the program itself.

#include <memory>
#include <string>

#include "platform/file_table.hpp"
#include "platform/print_surface.hpp"
#include "platform/ui.hpp"
#include "startwin/start_window.hpp"

namespace kv884 {

class QueryWindow;
class ReportWindow;

class Program {
 public:
  explicit Program(Ui& ui);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Ui& ui;
  FileTable files;
  // The system's default printer, one object for the whole program; set by the front end.
  PrintSurface* printer{nullptr};

  // Program-wide values, written only by the start window's descriptor read.
  std::u16string g_SecurityName;
  std::u16string g_DataDate;
  std::u16string g_DecimalFlag;

  StartWindow frm_0;

  // Null while the window is not loaded.
  QueryWindow* queryWindow() { return frm_1_.get(); }
  ReportWindow* reportWindow() { return frm_5_.get(); }
  // The report window, created (hidden) on first use.
  ReportWindow& reportWindowCreated();

 private:
  // Creates and loads the query window when it is not loaded, then shows it.
  void showQueryWindow();

  std::unique_ptr<QueryWindow> frm_1_;
  std::unique_ptr<ReportWindow> frm_5_;
  // A window that unloads itself is still running its handler: it is kept until the next load.
  std::unique_ptr<QueryWindow> unloadedQuery_;
  std::unique_ptr<ReportWindow> unloadedReport_;
};

}  // namespace kv884

#pragma once
// The three windows on Win32.

#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "startwin/report_window.hpp"
#include "win32/native_view.hpp"

namespace kv884 {

class StartView : public NativeView<StartWindow> {
 public:
  StartView(Program& program, Win32Ui& ui);
};

class QueryView : public NativeView<QueryWindow> {
 public:
  QueryView(Program& program, Win32Ui& ui);

 private:
  void makeOutputBoxes();
};

class ReportView : public NativeView<ReportWindow> {
 public:
  ReportView(Program& program, Win32Ui& ui);
};

}  // namespace kv884

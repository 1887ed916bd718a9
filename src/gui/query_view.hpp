#pragma once
// The register query window frm_1 on the screen: opens maximised with a fixed border.

#include "gui/window_view.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

class Program;

class QueryView : public WindowView<QueryWindow> {
 public:
  QueryView(Program& program, QtUi& ui);

 private:
  void makeOutputBoxes();
};

}  // namespace kv884

#pragma once
// The register query window frm_1 on the screen: opens maximised with a fixed border. The view
// decides nothing but where the focus goes when a handler disables the button that has it.

#include "gui/window_view.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

class Program;

class QueryView : public WindowView<QueryWindow> {
 public:
  QueryView(Program& program, QtUi& ui);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void makeOutputBoxes();
  // Moves the focus off a button that its control data disables, to its heir.
  void handOnFocus(const QueryWindow& frm_1);
};

}  // namespace kv884

#pragma once
// The start window frm_0 on the screen: fixed size, centred.

#include "gui/window_view.hpp"
#include "startwin/start_window.hpp"

namespace kv884 {

class Program;

class StartView : public WindowView<StartWindow> {
 public:
  StartView(Program& program, QtUi& ui);
};

}  // namespace kv884

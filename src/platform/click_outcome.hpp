#pragma once
// How a click on a window ended. The front ends that drive the windows without a screen read it,
// never the text of the message the click showed; the views have no use for it.

namespace kv884 {

enum class ClickOutcome {
  Done,         // what the control offers: a screen shown, a page printed, a window opened
  Disabled,     // the control was disabled or its window not loaded: nothing happened
  NoMatch,      // 查詢 found no holder (MSG_1_01 to MSG_1_07)
  ReadFailed,   // a record could not be read (MSG_1_08); the window is as it was before
  PrintFailed,  // the printer failed (MSG_1_09, MSG_0_18)
  OpenFailed,   // the data set or the count report could not be opened or read (MSG_0_...)
};

}  // namespace kv884

#pragma once
// kv884-query FOLDER --export FILE [--by KIND]: every holder, in the key order of KIND, as 次筆
// shows them one after the other from the first holder that 查詢 with an empty key finds; each
// shown screen is one row. A sound order runs through every detail record once and ends with
// 999999; a walk that stops before (a successor that cannot be read, or the end reached with
// records left over) or runs on beyond the record count (a cycle) stops the export, as does any
// message of the window.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kv884 {

class HeadlessUi;
class ProgressMeter;
class QueryWindow;

struct RegisterWalk {
  int64_t shown{0};                      // screens handed over, in order
  std::vector<std::u16string> problems;  // what stopped the walk short; empty: every holder
};

// Hands each shown screen to row; stops at the first problem. detailRecords: the number of
// records of the detail index file.
RegisterWalk walkRegister(QueryWindow& window, HeadlessUi& ui, int kind, int64_t detailRecords,
                          const std::function<void(const QueryWindow&)>& row,
                          ProgressMeter& progress);

}  // namespace kv884

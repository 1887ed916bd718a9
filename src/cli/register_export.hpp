#pragma once
// kv884-query FOLDER --export FILE [--by KIND]: every holder, in the key order of KIND, as 次筆
// shows them one after the other from the first holder that 查詢 with an empty key finds; each
// holder is one row. The first holder is found by 查詢 itself; the order after it is learned in
// one pass over the detail index file, and the records of each stretch of the order are then
// read in ascending file order, a stretch at a time, so the memory stays bounded whatever the
// set and the files are read in large pieces instead of a record at a time.
//
// A sound order runs through every detail record once and ends with 999999; an order that stops
// before (a successor that names no record, or the end reached with records left over) or runs
// on beyond the record count (a cycle) stops the export after the rows the walk of 次筆 would
// have shown, as does any message of the window or a record that cannot be read.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dataset/chain_order.hpp"

namespace kv884 {

class HeadlessUi;
class ProgressMeter;
class QueryWindow;
class FileTable;
class RegisterWriter;

struct RegisterWalk {
  int64_t shown{0};                      // rows written, in order
  std::vector<std::u16string> problems;  // what stopped the walk short; empty: every holder
};

struct RegisterSource {
  QueryWindow& window;  // freshly opened on the set
  HeadlessUi& ui;
  FileTable& files;
  const std::u16string& securityName;
  const std::u16string& decimalFlag;
};

// The key order of kind as 次筆 walks it from the first holder that 查詢 with an empty key finds
// in window; or, when there is none, the window's message or the read error that stopped it.
struct LearnedOrder {
  std::optional<ChainOrder> order;
  std::vector<std::u16string> problems;
};
LearnedOrder learnKeyOrder(QueryWindow& window, HeadlessUi& ui, FileTable& files, int kind);

// Writes each holder's row with writer, counting them in walk; stops at the first problem. A write
// that fails throws FileError, the rows written before it counted.
void walkRegister(const RegisterSource& source, int kind, RegisterWriter& writer,
                  ProgressMeter& progress, RegisterWalk& walk);

}  // namespace kv884

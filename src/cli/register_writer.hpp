#pragma once
// A file format an exported register is written in: the header row of the column captions,
// then one row per holder, then the end that completes the file. A write that fails throws
// FileError, whose number and description the message quotes.

#include "cli/export_columns.hpp"

namespace kv884 {

class RegisterWriter {
 public:
  virtual ~RegisterWriter() = default;
  virtual void writeHeader() = 0;
  virtual void writeRow(const ExportRow& row) = 0;
  virtual void finish() = 0;
};

}  // namespace kv884

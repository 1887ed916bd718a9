#pragma once
// A file format an exported register is written in: the header row of the column captions,
// then one row per holder, then the end that completes the file. A write that fails throws
// FileError, whose number and description the message quotes.

#include <string>
#include <string_view>

#include "cli/export_columns.hpp"

namespace kv884 {

class RegisterWriter {
 public:
  virtual ~RegisterWriter() = default;
  virtual void writeHeader() = 0;
  virtual void writeRow(const ExportRow& row) = 0;
  virtual void finish() = 0;

  // A row made into bytes apart from its writing, for rows made in one order and written in
  // another: encodeRow touches nothing of the writer's, so any thread may call it, and
  // writeEncoded then writes the bytes as writeRow writes the row. By default the bytes are the
  // row's texts, each after its length.
  virtual void encodeRow(const ExportRow& row, std::string& bytes) const;
  virtual void writeEncoded(std::string_view bytes);

 private:
  std::u16string decoded_;
};

}  // namespace kv884

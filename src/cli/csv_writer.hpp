#pragma once
// An exported register as CSV (RFC 4180): UTF-8 with a byte-order mark, so that a spreadsheet
// opens it as Chinese; fields separated by commas; a field holding a comma, a double quote or a
// line break in double quotes, its quotes doubled; every line ended by CR LF. Every text is
// written as its row gives it, quantities with their grouping commas included; but a text cell
// that begins with =, +, -, @, a tab or CR gets a leading apostrophe, so that a spreadsheet shows
// it as text instead of running it as a formula.

#include <string>

#include "cli/register_writer.hpp"
#include "platform/output_file.hpp"

namespace kv884 {

class CsvWriter : public RegisterWriter {
 public:
  explicit CsvWriter(OutputFile& file) : file_(file) {}  // file stays the caller's to commit
  void writeHeader() override;
  void writeRow(const ExportRow& row) override;
  void finish() override { flush(); }
  // The row's line.
  void encodeRow(const ExportRow& row, std::string& bytes) const override;
  void writeEncoded(std::string_view bytes) override;

 private:
  void flushWhenFull();
  void flush();

  OutputFile& file_;
  std::string buffer_;
};

}  // namespace kv884

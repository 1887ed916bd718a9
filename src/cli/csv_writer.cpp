#include "cli/csv_writer.hpp"

#include <algorithm>

#include "platform/utf.hpp"

namespace kv884 {

namespace {

// Written in pieces of about this size: few system calls, little memory.
constexpr size_t kFlushAt = 1 << 20;

// What a spreadsheet takes as the start of a formula in a cell it reads.
constexpr std::u16string_view kFormulaStarts = u"=+-@\t\r";
bool startsFormula(std::u16string_view text) {
  return !text.empty() && kFormulaStarts.find(text.front()) != std::u16string_view::npos;
}

// One comparison a character: find_first_of would search its set for every character of every
// cell.
bool needsQuotes(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char16_t c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; });
}

void appendField(std::string& out, std::u16string_view text) {
  if (!needsQuotes(text)) {
    appendUtf8(out, text);
    return;
  }
  out += '"';
  size_t from = 0;
  for (size_t quote; (quote = text.find(u'"', from)) != std::u16string_view::npos;
       from = quote + 1) {
    appendUtf8(out, text.substr(from, quote + 1 - from));
    out += '"';  // the quote doubled
  }
  appendUtf8(out, text.substr(from));
  out += '"';
}

// guarded: a text cell that would start a formula gets its apostrophe.
void appendLine(std::string& out, const ExportRow& fields, bool guarded) {
  const auto& columns = exportColumns();
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    if (guarded && columns[i].kind == CellKind::Text && startsFormula(fields[i]))
      appendField(out, u"'" + std::u16string(fields[i]));
    else
      appendField(out, fields[i]);
  }
  out += "\r\n";
}

}  // namespace

void CsvWriter::writeHeader() {
  buffer_.append(kUtf8ByteOrderMark);
  ExportRow captions;
  for (size_t i = 0; i < captions.size(); ++i) captions[i] = exportColumns()[i].caption;
  appendLine(buffer_, captions, false);
}

void CsvWriter::writeRow(const ExportRow& row) {
  appendLine(buffer_, row, true);
  flushWhenFull();
}

void CsvWriter::encodeRow(const ExportRow& row, std::string& bytes) const {
  bytes.clear();
  appendLine(bytes, row, true);
}

void CsvWriter::writeEncoded(std::string_view bytes) {
  buffer_.append(bytes);
  flushWhenFull();
}

void CsvWriter::flushWhenFull() {
  if (buffer_.size() >= kFlushAt) flush();
}

void CsvWriter::flush() {
  file_.write(buffer_);
  buffer_.clear();
}

}  // namespace kv884

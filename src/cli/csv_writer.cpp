#include "cli/csv_writer.hpp"

#include <unicode/ustring.h>

#include <algorithm>

namespace kv884 {

namespace {

// Written in pieces of about this size: few system calls, little memory.
constexpr size_t kFlushAt = 1 << 20;
// UTF-8's byte-order mark, by which a spreadsheet knows the file is not in the local code page.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What a spreadsheet takes as the start of a formula in a cell it reads.
bool startsFormula(std::u16string_view text) {
  return !text.empty() &&
         std::u16string_view(u"=+-@\t\r").find(text.front()) != std::u16string_view::npos;
}

bool needsQuotes(std::u16string_view text) {
  return text.find_first_of(u",\"\r\n") != std::u16string_view::npos;
}

// Appends text as UTF-8, converted in place at the end of out. Most cells are ASCII (numbers,
// IDs, accounts) and are copied as they stand, which a million rows feel.
void appendUtf8(std::string& out, std::u16string_view text) {
  if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
    out.append(text.begin(), text.end());
    return;
  }
  const size_t at = out.size();
  out.resize(at + text.size() * 3);
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data() + at, static_cast<int32_t>(text.size() * 3), &length,
                     reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
                     0xFFFD, nullptr, &status);
  out.resize(at + (U_SUCCESS(status) ? static_cast<size_t>(length) : 0));
}

}  // namespace

void CsvWriter::writeHeader() {
  buffer_.append(kByteOrderMark);
  ExportRow captions;
  for (size_t i = 0; i < captions.size(); ++i) captions[i] = exportColumns()[i].caption;
  line(captions, false);
}

void CsvWriter::writeRow(const ExportRow& row) {
  line(row, true);
  if (buffer_.size() >= kFlushAt) flush();
}

void CsvWriter::line(const ExportRow& fields, bool guarded) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) buffer_ += ',';
    if (guarded && exportColumns()[i].kind == CellKind::Text && startsFormula(fields[i])) {
      guarded_.assign(u"'").append(fields[i]);
      field(guarded_);
    } else {
      field(fields[i]);
    }
  }
  buffer_ += "\r\n";
}

void CsvWriter::field(std::u16string_view text) {
  if (!needsQuotes(text)) {
    appendUtf8(buffer_, text);
    return;
  }
  buffer_ += '"';
  size_t from = 0;
  for (size_t quote; (quote = text.find(u'"', from)) != std::u16string_view::npos;
       from = quote + 1) {
    appendUtf8(buffer_, text.substr(from, quote + 1 - from));
    buffer_ += '"';  // the quote doubled
  }
  appendUtf8(buffer_, text.substr(from));
  buffer_ += '"';
}

void CsvWriter::flush() {
  file_.write(buffer_);
  buffer_.clear();
}

}  // namespace kv884

#include "cli/xlsx_writer.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <optional>

#include "cli/xlsx_library.hpp"
#include "dataset/display_formats.hpp"
#include "platform/big5.hpp"
#include "platform/quiet_standard_error.hpp"
#include "platform/utf.hpp"
#include "querywin/query_controls.hpp"

namespace kv884 {

namespace {

// The value a number box shows: its text without the grouping commas.
std::optional<double> shownValue(std::u16string_view text) {
  std::string digits;
  for (char16_t c : text)
    if (c != u',') digits += static_cast<char>(c < 0x80 ? c : '?');
  double value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

lxw_format* numberFormat(const XlsxLibrary& xlsx, lxw_workbook* workbook, std::string_view format) {
  lxw_format* f = xlsx.workbook_add_format(workbook);
  xlsx.format_set_num_format(f, std::string(format).c_str());
  return f;
}

}  // namespace

XlsxWriter::XlsxWriter(const OutputFile& file, const std::u16string& decimalFlag)
    : xlsx_(xlsxLibrary()), folder_(file.folder()) {
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = folder_.data();
  QuietStandardError quiet;
  workbook_.reset(xlsx_.workbook_new_opt(file.temporaryPath().c_str(), &options));
  if (!workbook_) throw writeError(errno);
  sheet_ = xlsx_.workbook_add_worksheet(workbook_.get(), toUtf8(QueryControls::kCaption).c_str());
  if (!sheet_) throw writeError(errno);  // its temporary file could not be made
  header_ = xlsx_.workbook_add_format(workbook_.get());
  xlsx_.format_set_bold(header_);
  text_ = numberFormat(xlsx_, workbook_.get(), "@");
  quantity_ = numberFormat(xlsx_, workbook_.get(), quantityFormat(decimalFlag));
  count_ = numberFormat(xlsx_, workbook_.get(), kCountFormat);
  xlsx_.worksheet_freeze_panes(sheet_, 1, 0);
}

void XlsxWriter::Drop::operator()(lxw_workbook* workbook) const {
  QuietStandardError quiet;
  xlsxLibrary().lxw_workbook_free(workbook);
}

void XlsxWriter::writeHeader() {
  const auto& columns = exportColumns();
  for (size_t c = 0; c < columns.size(); ++c)
    text(static_cast<int>(c), columns[c].caption, header_);
  ++row_;
}

void XlsxWriter::writeRow(const ExportRow& row) {
  if (row_ == 1) setColumnWidths(row);
  const auto& columns = exportColumns();
  for (size_t c = 0; c < columns.size(); ++c) {
    const auto col = static_cast<lxw_col_t>(c);
    std::optional<double> value =
        columns[c].kind == CellKind::Text ? std::nullopt : shownValue(row[c]);
    if (value)
      check(xlsx_.worksheet_write_number(sheet_, row_, col, *value,
                                         columns[c].kind == CellKind::Count ? count_ : quantity_));
    else
      text(static_cast<int>(c), row[c], text_);
  }
  ++row_;
}

void XlsxWriter::finish() {
  check(xlsx_.worksheet_autofilter(sheet_, 0, 0, row_ - 1, kExportColumnCount - 1));
  errno = 0;
  QuietStandardError quiet;
  // Closing writes the file and frees the workbook, whatever the outcome.
  if (xlsx_.workbook_close(workbook_.release()) != LXW_NO_ERROR) throw writeError(errno);
}

void XlsxWriter::setColumnWidths(const ExportRow& firstRow) {
  const auto& columns = exportColumns();
  for (size_t c = 0; c < columns.size(); ++c) {
    const double width = std::max(displayWidth(columns[c].caption), displayWidth(firstRow[c]));
    check(xlsx_.worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                     width + 2, nullptr));
  }
}

void XlsxWriter::text(int column, std::u16string_view value, lxw_format* format) {
  utf8_.clear();  // its storage kept from cell to cell
  appendUtf8(utf8_, value);
  check(xlsx_.worksheet_write_string(sheet_, row_, static_cast<lxw_col_t>(column), utf8_.c_str(),
                                     format));
}

void XlsxWriter::check(int result) {
  if (result != LXW_NO_ERROR) throw writeError(errno);
}

}  // namespace kv884

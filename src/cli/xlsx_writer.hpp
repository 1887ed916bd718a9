#pragma once
// An exported register as an Excel workbook (libxlsxwriter): one sheet, a header row with the
// column captions, frozen, with an autofilter over every row. Texts are text cells, so IDs,
// accounts and holder numbers keep their leading zeros; quantities and the count are number cells
// holding the value the box shows, in the box's own format ("#,##0.00" with the decimal flag
// "Y", else "#,##0"; the count "#0"). Rows go to the file as they come: the memory does not grow
// with the holders.

#include <memory>
#include <string>

#include "cli/register_writer.hpp"
#include "platform/output_file.hpp"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace kv884 {
struct XlsxLibrary;
}

namespace kv884 {

class XlsxWriter : public RegisterWriter {
 public:
  // The workbook goes into file, which stays the caller's to commit; the target's folder also
  // takes the workbook's own temporary files, which are removed as soon as they are opened.
  XlsxWriter(const OutputFile& file, const std::u16string& decimalFlag);

  void writeHeader() override;
  void writeRow(const ExportRow& row) override;
  void finish() override;

 private:
  void setColumnWidths(const ExportRow& firstRow);
  void text(int column, std::u16string_view value, lxw_format* format);
  void check(int result);

  // A workbook not finished is dropped without writing anything.
  struct Drop {
    void operator()(lxw_workbook* workbook) const;
  };

  const XlsxLibrary& xlsx_;  // loaded by the first workbook
  std::string folder_;
  std::unique_ptr<lxw_workbook, Drop> workbook_;
  lxw_worksheet* sheet_;
  lxw_format* header_;
  lxw_format* text_;
  lxw_format* quantity_;
  lxw_format* count_;
  uint32_t row_{0};
  std::string utf8_;
};

}  // namespace kv884

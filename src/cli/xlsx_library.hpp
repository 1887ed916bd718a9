#pragma once
// libxlsxwriter, loaded when the first workbook is written instead of linked: linked, it brings
// its zip, zlib and crypto libraries into every start of kv884-query, which more than doubled the
// instructions of a whole look-up.

#include <xlsxwriter.h>

namespace kv884 {

struct XlsxLibrary {
  decltype(&::workbook_new_opt) workbook_new_opt;
  decltype(&::workbook_add_worksheet) workbook_add_worksheet;
  decltype(&::workbook_add_format) workbook_add_format;
  decltype(&::workbook_close) workbook_close;
  decltype(&::lxw_workbook_free) lxw_workbook_free;
  decltype(&::format_set_bold) format_set_bold;
  decltype(&::format_set_num_format) format_set_num_format;
  decltype(&::worksheet_write_string) worksheet_write_string;
  decltype(&::worksheet_write_number) worksheet_write_number;
  decltype(&::worksheet_set_column) worksheet_set_column;
  decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
  decltype(&::worksheet_autofilter) worksheet_autofilter;
};

// The library's functions, loaded on the first call; LibraryUnavailable when it cannot be
// loaded, and a later call tries again.
const XlsxLibrary& xlsxLibrary();

}  // namespace kv884

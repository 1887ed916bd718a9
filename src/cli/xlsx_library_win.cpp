// On Windows libxlsxwriter is linked statically: there is no shared library to load, and the
// program's start does not pay for relocating it.

#include "cli/xlsx_library.hpp"

namespace kv884 {

const XlsxLibrary& xlsxLibrary() {
  static const XlsxLibrary library{
      ::workbook_new_opt,      ::workbook_add_worksheet, ::workbook_add_format,
      ::workbook_close,        ::lxw_workbook_free,      ::format_set_bold,
      ::format_set_num_format, ::worksheet_write_string, ::worksheet_write_number,
      ::worksheet_set_column,  ::worksheet_freeze_panes, ::worksheet_autofilter,
  };
  return library;
}

}  // namespace kv884

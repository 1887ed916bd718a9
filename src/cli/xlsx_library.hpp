#pragma once
// libxlsxwriter, loaded when the first workbook is written instead of linked: linked, it brings
// its zip, zlib and crypto libraries into every start of kv884-query, which more than doubled the
// instructions of a whole look-up.

#include <xlsxwriter.h>

namespace kv884 {

// The functions the workbook writer calls, each named once for both ways of reaching them.
// clang-format off
#define KV884_XLSX_FUNCTIONS(F)                                                               \
  F(workbook_new_opt) F(workbook_add_worksheet) F(workbook_add_format) F(workbook_close)       \
  F(lxw_workbook_free) F(format_set_bold) F(format_set_num_format) F(worksheet_write_string)   \
  F(worksheet_write_number) F(worksheet_set_column) F(worksheet_freeze_panes)                  \
  F(worksheet_autofilter)
// clang-format on

struct XlsxLibrary {
#define KV884_XLSX_MEMBER(name) decltype(&::name) name;
  KV884_XLSX_FUNCTIONS(KV884_XLSX_MEMBER)
#undef KV884_XLSX_MEMBER
};

// The library's functions, loaded on the first call; LibraryUnavailable when it cannot be
// loaded, and a later call tries again.
const XlsxLibrary& xlsxLibrary();

}  // namespace kv884

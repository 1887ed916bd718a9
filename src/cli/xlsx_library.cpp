#include "cli/xlsx_library.hpp"

#include "cli/loaded_library.hpp"

namespace kv884 {

namespace {

// The soname of the libxlsxwriter whose header the program is built against.
constexpr const char* kLibraryFile = "libxlsxwriter.so.4";

XlsxLibrary load() {
  const LoadedLibrary loaded(kLibraryFile);
  XlsxLibrary library;
#define KV884_BIND(name) loaded.bind(library.name, #name)
  KV884_BIND(workbook_new_opt);
  KV884_BIND(workbook_add_worksheet);
  KV884_BIND(workbook_add_format);
  KV884_BIND(workbook_close);
  KV884_BIND(lxw_workbook_free);
  KV884_BIND(format_set_bold);
  KV884_BIND(format_set_num_format);
  KV884_BIND(worksheet_write_string);
  KV884_BIND(worksheet_write_number);
  KV884_BIND(worksheet_set_column);
  KV884_BIND(worksheet_freeze_panes);
  KV884_BIND(worksheet_autofilter);
#undef KV884_BIND
  return library;
}

}  // namespace

const XlsxLibrary& xlsxLibrary() {
  static const XlsxLibrary library = load();
  return library;
}

}  // namespace kv884

#include "cli/xlsx_library.hpp"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace kv884 {

namespace {

// The soname of the libxlsxwriter whose header the program is built against.
constexpr const char* kLibraryFile = "libxlsxwriter.so.4";

template <typename Function>
void bind(void* handle, Function& function, const char* name) {
  function = reinterpret_cast<Function>(::dlsym(handle, name));
  if (!function) throw std::runtime_error(std::string(kLibraryFile) + ": " + name + " ?");
}

XlsxLibrary load() {
  void* handle = ::dlopen(kLibraryFile, RTLD_NOW | RTLD_LOCAL);
  if (!handle) throw std::runtime_error(::dlerror());
  XlsxLibrary library;
#define KV884_BIND(name) bind(handle, library.name, #name)
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

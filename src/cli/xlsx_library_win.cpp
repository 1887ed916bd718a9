// On Windows libxlsxwriter is linked statically: there is no shared library to load, and the
// program's start does not pay for relocating it.

#include "cli/xlsx_library.hpp"

namespace kv884 {

const XlsxLibrary& xlsxLibrary() {
#define KV884_XLSX_LINKED(name) ::name,
  static const XlsxLibrary library{KV884_XLSX_FUNCTIONS(KV884_XLSX_LINKED)};
#undef KV884_XLSX_LINKED
  return library;
}

}  // namespace kv884

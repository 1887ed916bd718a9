#include "cli/xlsx_library.hpp"

#include "cli/loaded_library.hpp"

namespace kv884 {

// The soname of the libxlsxwriter whose header the program is built against.
constexpr const char* kLibraryFile = "libxlsxwriter.so.4";

const XlsxLibrary& xlsxLibrary() {
#define KV884_XLSX_LOADED(name) \
  reinterpret_cast<decltype(&::name)>(libraryFunction(kLibraryFile, #name)),
  static const XlsxLibrary library{KV884_XLSX_FUNCTIONS(KV884_XLSX_LOADED)};
#undef KV884_XLSX_LOADED
  return library;
}

}  // namespace kv884

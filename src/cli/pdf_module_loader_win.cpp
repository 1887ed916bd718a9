// The PDF printer module is Qt's, which the Windows programs are built without: a PDF is asked
// for by name, and the answer says what to do instead.

#include "cli/loaded_library.hpp"
#include "cli/pdf_module_loader.hpp"

namespace kv884 {

const PdfModule& pdfModule() {
  throw LibraryUnavailable("Windows 版不含此模組，請改印成文字檔");
}

}  // namespace kv884

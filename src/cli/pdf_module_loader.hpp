#pragma once
// The PDF printer module, loaded at run time so that the program starts without Qt.

#include "platform/pdf_module.hpp"

namespace kv884 {

struct PdfModule {
  Kv884PdfOpen open{nullptr};
  Kv884PdfClose close{nullptr};
};

// Loaded on the first call; LibraryUnavailable when it cannot be loaded, and a later call tries
// again.
const PdfModule& pdfModule();

}  // namespace kv884

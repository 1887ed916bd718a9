#pragma once
// The PDF printer module, loaded at run time so that the program starts without Qt.

#include <string>

#include "platform/pdf_module.hpp"

namespace kv884 {

struct PdfModule {
  Kv884PdfOpen open{nullptr};
  Kv884PdfClose close{nullptr};
  std::string problem;  // why it could not be loaded
};

const PdfModule& pdfModule();

}  // namespace kv884

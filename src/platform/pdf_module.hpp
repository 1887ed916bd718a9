#pragma once
// The entry points of the PDF printer module, a shared module that kv884-query loads only when a
// page is to be printed into a PDF file, so that the program itself starts without the toolkit
// the module is built on. Plain C symbols, looked up by name after loading.

#include "platform/print_surface.hpp"

// The module's file name, looked for beside the program.
#define KV884_PDF_MODULE_FILE "kv884-pdf.so"
#define KV884_PDF_OPEN_SYMBOL "kv884_pdf_open"
#define KV884_PDF_CLOSE_SYMBOL "kv884_pdf_close"

extern "C" {
// A print surface writing every document as pages of the PDF file at path (UTF-8). Never null;
// the module needs no display.
kv884::PrintSurface* kv884_pdf_open(const char* path);
// Writes the end of the PDF file and frees the surface; false when the file could not be
// written.
bool kv884_pdf_close(kv884::PrintSurface* surface);
}

using Kv884PdfOpen = decltype(&kv884_pdf_open);
using Kv884PdfClose = decltype(&kv884_pdf_close);

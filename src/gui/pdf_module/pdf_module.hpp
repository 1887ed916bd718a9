#pragma once
// The entry points of the PDF printer module, a shared module that kv884-query loads only when a
// page is to be printed into a PDF file, so that the program itself starts without Qt.

#include "platform/print_surface.hpp"

// The module's file name, looked for beside the program.
#define KV884_PDF_MODULE_FILE "kv884-pdf.so"

// A print surface writing every document as pages of the PDF file at path (UTF-8); it runs its
// own offscreen QGuiApplication when the process has none. Never null.
using Kv884PdfOpen = kv884::PrintSurface* (*)(const char* path);
// Writes the end of the PDF file and frees the surface; false when the file could not be
// written.
using Kv884PdfClose = bool (*)(kv884::PrintSurface* surface);

#define KV884_PDF_OPEN_SYMBOL "kv884_pdf_open"
#define KV884_PDF_CLOSE_SYMBOL "kv884_pdf_close"

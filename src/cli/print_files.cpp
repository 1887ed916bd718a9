#include "cli/print_files.hpp"

#include <filesystem>

#include "cli/pdf_module_loader.hpp"
#include "platform/text_print_surface.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace {

// A printer that cannot take any job, for the reason it was given.
class UnavailablePrinter : public PrintSurface {
 public:
  explicit UnavailablePrinter(std::u16string reason) : reason_(std::move(reason)) {}
  void setFontSize(float) override { throw PrintError(reason_); }
  void setFontName(const std::u16string&) override { throw PrintError(reason_); }
  void printLine(const std::vector<PrintItem>&) override { throw PrintError(reason_); }
  void endDocument() override { throw PrintError(reason_); }

 private:
  std::u16string reason_;
};

}  // namespace

struct PrintFiles::Entry {
  std::unique_ptr<PrintSurface> owned;  // text pages, or the unavailable PDF printer
  PrintSurface* pdf{nullptr};           // from the module, given back through its close
};

bool isPdfName(const std::string& file) {
  return file.size() >= 4 && file.compare(file.size() - 4, 4, ".pdf") == 0;
}

PrintFiles::PrintFiles() = default;

PrintFiles::~PrintFiles() {
  finish();
}

PrintSurface& PrintFiles::surfaceFor(const std::string& file) {
  std::unique_ptr<Entry>& entry = files_[file];
  if (!entry) {
    entry = std::make_unique<Entry>();
    if (!isPdfName(file)) {
      entry->owned = std::make_unique<TextPrintSurface>(std::filesystem::path(file));
    } else if (const PdfModule& module = pdfModule(); module.open) {
      entry->pdf = module.open(file.c_str());
    } else {
      entry->owned = std::make_unique<UnavailablePrinter>(u"無法載入 PDF 列印模組 (" +
                                                          fromUtf8(module.problem) + u")");
    }
  }
  return entry->pdf ? *entry->pdf : *entry->owned;
}

std::string PrintFiles::finish() {
  std::string failed;
  for (auto& [file, entry] : files_) {
    if (!entry->pdf) continue;
    if (!pdfModule().close(entry->pdf)) failed += (failed.empty() ? "" : ", ") + file;
    entry->pdf = nullptr;
  }
  files_.clear();
  return failed;
}

}  // namespace kv884

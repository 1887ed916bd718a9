#include "cli/print_files.hpp"

#include <optional>

#include "cli/loaded_library.hpp"
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
  std::optional<OutputFile> output;
  std::unique_ptr<PrintSurface> owned;  // text pages, or a printer that cannot take any job
  PrintSurface* pdf{nullptr};           // from the module, given back through its close
};

bool isPdfName(const std::string& file) {
  return file.size() >= 4 && file.compare(file.size() - 4, 4, ".pdf") == 0;
}

PrintFiles::PrintFiles(std::vector<std::string> readOnlyFolders)
    : readOnlyFolders_(std::move(readOnlyFolders)) {}

PrintFiles::~PrintFiles() {
  for (auto& [file, entry] : files_)
    if (entry->pdf) pdfModule().close(entry->pdf);
}

PrintFiles::Entry& PrintFiles::entryFor(const std::string& file) {
  std::unique_ptr<Entry>& entry = files_[file];
  if (!entry) entry = std::make_unique<Entry>();
  return *entry;
}

void PrintFiles::open(const std::string& file) {
  Entry& entry = entryFor(file);
  if (!entry.output) entry.output.emplace(file, readOnlyFolders_);
}

PrintSurface& PrintFiles::surfaceFor(const std::string& file) {
  Entry& entry = entryFor(file);
  if (entry.pdf || entry.owned) return entry.pdf ? *entry.pdf : *entry.owned;
  try {
    open(file);
  } catch (const TargetInReadOnlyFolder&) {
    entry.owned = std::make_unique<UnavailablePrinter>(fromUtf8(file) +
                                                       u" 位於資料集的資料夾內，資料夾只供讀取");
    return *entry.owned;
  } catch (const FileError& e) {
    entry.owned = std::make_unique<UnavailablePrinter>(u"無法寫入檔案 " + fromUtf8(file) + u"：" +
                                                       fromUtf8(e.what()));
    return *entry.owned;
  }
  if (!isPdfName(file)) {
    entry.owned = std::make_unique<TextPrintSurface>(*entry.output);
    return *entry.owned;
  }
  try {
    entry.pdf = pdfModule().open(entry.output->temporaryPath().c_str());
  } catch (const LibraryUnavailable& e) {
    entry.owned = std::make_unique<UnavailablePrinter>(u"無法載入 PDF 列印模組 (" +
                                                       fromUtf8(e.what()) + u")");
  }
  return entry.pdf ? *entry.pdf : *entry.owned;
}

std::string PrintFiles::finish() {
  std::string failed;
  for (auto& [file, entry] : files_) {
    const bool pdf = entry->pdf != nullptr;
    bool written = !pdf || pdfModule().close(entry->pdf);
    entry->pdf = nullptr;
    // An empty file got no page: a text file never printed into is left out, a PDF that
    // printed pages but holds nothing failed.
    if (written && entry->output && entry->output->size() > 0) {
      try {
        entry->output->commit();
      } catch (const FileError&) {
        written = false;
      }
    } else if (pdf) {
      written = false;
    }
    if (!written) failed += (failed.empty() ? "" : ", ") + file;
  }
  files_.clear();
  return failed;
}

}  // namespace kv884

#include "cli/pdf_module_loader.hpp"

#include <filesystem>

#include "cli/loaded_library.hpp"

namespace kv884 {

namespace {

std::filesystem::path programFolder() {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path(".") : self.parent_path();
}

// The module beside the program (the build tree), else where the package installs it
// (KV884_PDF_MODULE_DIR, relative to the program's folder).
std::string pdfModuleFile() {
  const std::filesystem::path folder = programFolder();
  const std::filesystem::path beside = folder / KV884_PDF_MODULE_FILE;
  const std::filesystem::path installed = folder / KV884_PDF_MODULE_DIR / KV884_PDF_MODULE_FILE;
  std::error_code ec;
  if (std::filesystem::exists(beside, ec) || !std::filesystem::exists(installed, ec))
    return beside.string();
  return installed.lexically_normal().string();
}

}  // namespace

const PdfModule& pdfModule() {
  static const PdfModule module{
      reinterpret_cast<Kv884PdfOpen>(libraryFunction(pdfModuleFile(), KV884_PDF_OPEN_SYMBOL)),
      reinterpret_cast<Kv884PdfClose>(libraryFunction(pdfModuleFile(), KV884_PDF_CLOSE_SYMBOL))};
  return module;
}

}  // namespace kv884

#include "cli/pdf_module_loader.hpp"

#include <dlfcn.h>

#include <filesystem>

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

// Loaded once and kept for the life of the process (Qt does not like to be unloaded).
const PdfModule& pdfModule() {
  static const PdfModule module = [] {
    PdfModule m;
    const std::string file = pdfModuleFile();
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char* error = ::dlerror();
      m.problem = error ? error : file;
      return m;
    }
    m.open = reinterpret_cast<Kv884PdfOpen>(::dlsym(handle, KV884_PDF_OPEN_SYMBOL));
    m.close = reinterpret_cast<Kv884PdfClose>(::dlsym(handle, KV884_PDF_CLOSE_SYMBOL));
    if (!m.open || !m.close) m.problem = file + ": not a KV884 PDF printer module";
    return m;
  }();
  return module;
}

}  // namespace kv884

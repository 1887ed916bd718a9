#pragma once
// The printers of --print FILE and of the replay's `print FILE`: one print surface per file
// name, a PDF when the name ends in .pdf, else text pages. The PDF printer is the module
// kv884-pdf.so (beside this program in the build, in the library folder once installed), loaded
// the first time a PDF is asked for; when it cannot be loaded, every print into that file fails
// with a printer failure that says why.

#include <map>
#include <memory>
#include <string>

#include "platform/print_surface.hpp"

namespace kv884 {

class PrintFiles {
 public:
  PrintFiles();
  ~PrintFiles();  // ends every PDF file
  PrintFiles(const PrintFiles&) = delete;
  PrintFiles& operator=(const PrintFiles&) = delete;

  // The printer writing into file (relative to the working folder); the same one for the same
  // name, so that further documents become further pages of the file.
  PrintSurface& surfaceFor(const std::string& file);

  // Ends the PDF files; the names of those that could not be written.
  std::string finish();

 private:
  struct Entry;
  std::map<std::string, std::unique_ptr<Entry>> files_;
};

bool isPdfName(const std::string& file);

}  // namespace kv884

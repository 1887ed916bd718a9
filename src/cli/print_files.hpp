#pragma once
// The printers of --print FILE and of the replay's `print FILE`: one print surface per file
// name, a PDF when the name ends in .pdf, else text pages. The PDF printer is the module
// kv884-pdf.so (beside this program in the build, in the library folder once installed), loaded
// the first time a PDF is asked for; when it cannot be loaded, every print into that file fails
// with a printer failure that says why. Every file goes through the writer (OutputFile): it is
// put in place at finish() only when a page was printed into it and all of it was written.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/output_file.hpp"
#include "platform/print_surface.hpp"

namespace kv884 {

class PrintFiles {
 public:
  // No file may go into readOnlyFolders.
  explicit PrintFiles(std::vector<std::string> readOnlyFolders = {});
  ~PrintFiles();  // ends every PDF file, putting nothing in place

  PrintFiles(const PrintFiles&) = delete;
  PrintFiles& operator=(const PrintFiles&) = delete;

  // Makes file's temporary now, for a caller that wants a bad target refused before it prints;
  // throws as OutputFile does.
  void open(const std::string& file);

  // The printer writing into file (relative to the working folder); the same one for the same
  // name, so that further documents become further pages of the file.
  PrintSurface& surfaceFor(const std::string& file);

  // Ends the files and puts those printed into in place; the names of those that could not be
  // written.
  std::string finish();

 private:
  struct Entry;
  Entry& entryFor(const std::string& file);
  std::vector<std::string> readOnlyFolders_;
  std::map<std::string, std::unique_ptr<Entry>> files_;
};

bool isPdfName(const std::string& file);

}  // namespace kv884

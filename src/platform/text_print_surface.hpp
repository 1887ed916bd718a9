#pragma once
// The printer as a text file: each document becomes a page of UTF-8 lines. Tab(n) moves to
// display column n, a character taking two columns when code page 950 writes it with two bytes
// (or when it is U+FFFD) and one otherwise; trailing blanks of a line are dropped; a line holding
// only a form feed separates pages; the file ends with a line break. The font settings do not
// change the text.

#include <string>
#include <vector>

#include "platform/output_file.hpp"
#include "platform/print_surface.hpp"

namespace kv884 {

class TextPrintSurface : public PrintSurface {
 public:
  // The pages go into file, which stays the caller's to commit.
  explicit TextPrintSurface(OutputFile& file) : file_(file) {}

  void setFontSize(float) override {}
  void setFontName(const std::u16string&) override {}
  void printLine(const std::vector<PrintItem>& items) override;
  // Writes the page to the file; PrintError when the file cannot take it.
  void endDocument() override;

 private:
  void breakLine();

  OutputFile& file_;
  std::vector<std::u16string> lines_;  // the page so far, the last line still open
  int column_{1};                      // where the next character goes on the open line
  int pagesWritten_{0};
};

}  // namespace kv884

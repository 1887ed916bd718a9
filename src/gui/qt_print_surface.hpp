#pragma once
// The printer of the printouts on Qt: the system's default printer (each document one print
// job) or a PDF file (each document begins a new page of the one file). Face names go through
// the substitutions of installFontSubstitutions(), user-defined characters as
// user_defined_characters says; Tab(n) stands n - 1 columns (half a full-width character of the
// current font each) from the left edge of the printable area; a line that would pass the
// bottom margin goes to a new page. Needs a QGuiApplication.

#include <QString>
#include <functional>
#include <memory>

#include "platform/print_surface.hpp"

namespace kv884 {

class QtPrintSurface : public PrintSurface {
 public:
  // Each document goes to the default printer of the moment; none → PrintError.
  static std::unique_ptr<QtPrintSurface> defaultPrinter();
  // Every document into one PDF file, written out by finish() (or when the surface goes).
  static std::unique_ptr<QtPrintSurface> pdfFile(const QString& path);

  ~QtPrintSurface() override;

  void setFontSize(float points) override;
  void setFontName(const std::u16string& name) override;
  void printLine(const std::vector<PrintItem>& items) override;
  void endDocument() override;

  // Ends the PDF file; false when it could not be written. Nothing to do for the printer.
  bool finish();

  // Told of each text as it is drawn, with its top left corner in inches from the top left of
  // the printable area: what a page printed by another toolkit is held against.
  using TextDrawn = std::function<void(double x, double y, const std::u16string& text)>;
  void onTextDrawn(TextDrawn seen);

 private:
  struct Impl;
  explicit QtPrintSurface(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> d_;
};

}  // namespace kv884

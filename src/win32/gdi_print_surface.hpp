#pragma once
// The printer of the printouts on Win32: the system's default printer through GDI, each document
// one print job. Faces are Windows' own (window_faces); Tab(n) stands n - 1 columns (half a
// full-width character of the current font each) from the left edge of the printable area; a
// line that would pass the bottom of the page goes to a new page.

#include <windows.h>

#include <memory>
#include <string>

#include "platform/print_surface.hpp"

namespace kv884 {

class GdiPrintSurface : public PrintSurface {
 public:
  // Each document goes to the default printer of the moment; none → PrintError. A test gives
  // the device context of its own to draw on instead.
  GdiPrintSurface();
  explicit GdiPrintSurface(HDC page);
  ~GdiPrintSurface() override;
  GdiPrintSurface(const GdiPrintSurface&) = delete;
  GdiPrintSurface& operator=(const GdiPrintSurface&) = delete;

  void setFontSize(float points) override;
  void setFontName(const std::u16string& name) override;
  void printLine(const std::vector<PrintItem>& items) override;
  void endDocument() override;

 private:
  void beginDocument();
  void applyFont();
  void startLine();
  void endLine();
  void drawText(const std::u16string& text);
  int columnWidth() const;

  HDC givenPage_{nullptr};
  HDC dc_{nullptr};
  HFONT font_{nullptr};
  float fontSize_{12};
  std::u16string fontName_;
  bool documentOpen_{false};
  int x_{0};
  int y_{0};  // top of the next line
};

}  // namespace kv884

#pragma once
// The printer of the printouts on Win32: the system's default printer through GDI, each document
// one print job. Faces are Windows' own (window_faces); Tab(n) stands n - 1 columns (half a
// full-width character of the current font each) from the left edge of the printable area; a
// line that would pass the bottom of the page goes to a new page.

#include <windows.h>

#include <string>

#include "platform/print_surface.hpp"

namespace kv884 {

class GdiPrintSurface : public PrintSurface {
 public:
  // Each document goes to the default printer of the moment; none → PrintError. A test gives
  // a device context of its own to draw on instead, and the dots per inch its page stands for.
  GdiPrintSurface();
  GdiPrintSurface(HDC page, int dotsPerInch);
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
  double extent(const std::u16string& text) const;
  double lineHeight() const;

  HDC givenPage_{nullptr};
  int givenDotsPerInch_{0};
  HDC dc_{nullptr};
  HFONT font_{nullptr};
  HFONT measuringFont_{nullptr};  // the font at kMeasuringScale times its size
  float fontSize_{12};
  std::u16string fontName_;
  bool documentOpen_{false};
  double x_{0};
  double y_{0};  // top of the next line
};

}  // namespace kv884

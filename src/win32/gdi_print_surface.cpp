#include "win32/gdi_print_surface.hpp"

#include <winspool.h>

#include <cmath>

#include "win32/form.hpp"
#include "win32/window_faces.hpp"

namespace kv884 {
namespace {

// Hinting rounds every glyph's advance to whole device pixels, an error that adds up along a line
// and down a page; positions come from the font at this many times the size, whose advances are
// the typeface's own to a small fraction of a pixel, so the page stands where other printers'
// pages do.
constexpr int kMeasuringScale = 16;

std::u16string defaultPrinterName() {
  DWORD length = 0;
  GetDefaultPrinterW(nullptr, &length);
  if (length == 0) return {};
  std::u16string name(length, u'\0');
  if (!GetDefaultPrinterW(reinterpret_cast<wchar_t*>(name.data()), &length)) return {};
  name.resize(length - 1);
  return name;
}

}  // namespace

GdiPrintSurface::GdiPrintSurface() = default;

GdiPrintSurface::GdiPrintSurface(HDC page, int dotsPerInch)
    : givenPage_(page), givenDotsPerInch_(dotsPerInch) {}

GdiPrintSurface::~GdiPrintSurface() {
  if (dc_ && !givenPage_) {
    if (documentOpen_) AbortDoc(dc_);
    DeleteDC(dc_);
  }
  if (font_) DeleteObject(font_);
  if (measuringFont_) DeleteObject(measuringFont_);
}

void GdiPrintSurface::setFontSize(float points) {
  fontSize_ = points;
  applyFont();
}

void GdiPrintSurface::setFontName(const std::u16string& name) {
  fontName_ = name;
  applyFont();
}

void GdiPrintSurface::beginDocument() {
  if (documentOpen_) return;
  if (givenPage_) {
    dc_ = givenPage_;
  } else {
    const std::u16string printer = defaultPrinterName();
    if (printer.empty()) throw PrintError(std::u16string(kNoDefaultPrinter));
    dc_ = CreateDCW(L"WINSPOOL", wide(printer), nullptr, nullptr);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"KV884";
    if (!dc_ || StartDocW(dc_, &document) <= 0 || StartPage(dc_) <= 0) {
      if (dc_) DeleteDC(dc_);
      dc_ = nullptr;
      throw PrintError(u"印表機 " + printer + u" 無法開始列印");
    }
  }
  SetBkMode(dc_, TRANSPARENT);
  SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  documentOpen_ = true;
  y_ = 0;
  applyFont();
}

void GdiPrintSurface::applyFont() {
  if (!dc_) return;
  if (font_) DeleteObject(font_);
  if (measuringFont_) DeleteObject(measuringFont_);
  const int dpi = givenPage_ ? givenDotsPerInch_ : GetDeviceCaps(dc_, LOGPIXELSY);
  font_ = createFont(dc_, FaceAndSize{fontName_, fontSize_}, dpi);
  measuringFont_ = createFont(dc_, FaceAndSize{fontName_, fontSize_}, dpi * kMeasuringScale);
  SelectObject(dc_, font_);
}

double GdiPrintSurface::extent(const std::u16string& text) const {
  SelectObject(dc_, measuringFont_);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide(text), static_cast<int>(text.size()), &size);
  SelectObject(dc_, font_);
  return static_cast<double>(size.cx) / kMeasuringScale;
}

double GdiPrintSurface::lineHeight() const {
  SelectObject(dc_, measuringFont_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  SelectObject(dc_, font_);
  return static_cast<double>(metrics.tmHeight + metrics.tmExternalLeading) / kMeasuringScale;
}

void GdiPrintSurface::startLine() {
  x_ = 0;
  if (y_ > 0 && y_ + lineHeight() > GetDeviceCaps(dc_, VERTRES) && !givenPage_) {
    EndPage(dc_);
    StartPage(dc_);
    SelectObject(dc_, font_);
    y_ = 0;
  }
}

void GdiPrintSurface::endLine() {
  y_ += lineHeight();
}

void GdiPrintSurface::drawText(const std::u16string& text) {
  if (text.empty()) return;
  TextOutW(dc_, static_cast<int>(std::lround(x_)), static_cast<int>(std::lround(y_)), wide(text),
           static_cast<int>(text.size()));
  x_ += extent(text);
}

void GdiPrintSurface::printLine(const std::vector<PrintItem>& items) {
  beginDocument();
  startLine();
  // A column is half a full-width character: the average character width of 細明體, by which
  // the pages count their column stops.
  layOutLine(
      items, extent(u"\u3000") / 2, x_,
      [this] {
        endLine();
        startLine();
      },
      [this](const std::u16string& text) { drawText(text); });
  endLine();
}

void GdiPrintSurface::endDocument() {
  beginDocument();
  documentOpen_ = false;
  if (givenPage_) {
    dc_ = nullptr;
    return;
  }
  const bool done = EndPage(dc_) > 0 && EndDoc(dc_) > 0;
  DeleteDC(dc_);
  dc_ = nullptr;
  if (!done) throw PrintError(u"印表機拒絕了列印工作");
}

}  // namespace kv884

#include "gui/qt_print_surface.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "gui/user_defined_characters.hpp"

namespace kv884 {

struct QtPrintSurface::Impl {
  enum class Target { DefaultPrinter, Pdf };
  explicit Impl(Target target, QString pdfPath = {})
      : target(target), pdfPath(std::move(pdfPath)) {}

  Target target;
  QString pdfPath;

  float fontSize{12};
  QString fontName;

  std::unique_ptr<QPrinter> printer;
  QPainter painter;
  bool documentOpen{false};
  bool pdfHasPage{false};  // the next document of the PDF begins with a new page
  qreal pageHeight{0};
  double x{0};
  qreal y{0};  // top of the next line
  TextDrawn textDrawn;

  void beginDocument() {
    if (documentOpen) return;
    if (target == Target::DefaultPrinter) {
      QPrinterInfo info = QPrinterInfo::defaultPrinter();
      if (info.isNull()) throw PrintError(std::u16string(kNoDefaultPrinter));
      printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
      if (!painter.begin(printer.get()))
        throw PrintError(u"印表機 " + info.printerName().toStdU16String() + u" 無法開始列印");
    } else if (!painter.isActive()) {
      printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(pdfPath);
      printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
      if (!painter.begin(printer.get()))
        throw PrintError(u"無法寫入檔案 " + pdfPath.toStdU16String());
    } else if (pdfHasPage) {
      printer->newPage();
    }
    pageHeight = printer->pageLayout().paintRectPixels(printer->resolution()).height();
    documentOpen = true;
    y = 0;
    applyFont();
  }

  void applyFont() {
    if (!painter.isActive()) return;
    QFont font(fontName);
    font.setPointSizeF(fontSize);
    painter.setFont(withUserDefinedCharacters(font));
  }

  QFontMetricsF metrics() const { return QFontMetricsF(painter.font(), printer.get()); }

  // A column is half a full-width character: the average character width of 細明體, by which
  // the pages count their column stops. The families standing in for it average wider.
  qreal columnWidth() const { return metrics().horizontalAdvance(QChar(0x3000)) / 2; }

  // Moves to the start of a new line, on a new page when the line would pass the bottom margin.
  void startLine() {
    x = 0;
    if (y > 0 && y + metrics().lineSpacing() > pageHeight) {
      printer->newPage();
      y = 0;
    }
  }

  void endLine() { y += metrics().lineSpacing(); }

  void drawText(const std::u16string& text) {
    if (text.empty()) return;
    QFontMetricsF m = metrics();
    const QString shown = QString::fromStdU16String(text);
    painter.drawText(QPointF(x, y + m.ascent()), shown);
    if (textDrawn) textDrawn(x / printer->resolution(), y / printer->resolution(), text);
    x += m.horizontalAdvance(shown);
  }
};

QtPrintSurface::QtPrintSurface(std::unique_ptr<Impl> impl) : d_(std::move(impl)) {}

QtPrintSurface::~QtPrintSurface() {
  finish();
}

std::unique_ptr<QtPrintSurface> QtPrintSurface::defaultPrinter() {
  return std::unique_ptr<QtPrintSurface>(
      new QtPrintSurface(std::make_unique<Impl>(Impl::Target::DefaultPrinter)));
}

std::unique_ptr<QtPrintSurface> QtPrintSurface::pdfFile(const QString& path) {
  return std::unique_ptr<QtPrintSurface>(
      new QtPrintSurface(std::make_unique<Impl>(Impl::Target::Pdf, path)));
}

void QtPrintSurface::setFontSize(float points) {
  d_->fontSize = points;
  d_->applyFont();
}

void QtPrintSurface::setFontName(const std::u16string& name) {
  d_->fontName = QString::fromStdU16String(name);
  d_->applyFont();
}

void QtPrintSurface::printLine(const std::vector<PrintItem>& items) {
  d_->beginDocument();
  d_->startLine();
  Impl& d = *d_;
  layOutLine(
      items, d.columnWidth(), d.x,
      [&d] {
        d.endLine();
        d.startLine();
      },
      [&d](const std::u16string& text) { d.drawText(text); });
  d.endLine();
}

void QtPrintSurface::endDocument() {
  d_->beginDocument();
  d_->documentOpen = false;
  if (d_->target == Impl::Target::Pdf) {
    d_->pdfHasPage = true;
    return;
  }
  const bool done = d_->painter.end();
  d_->printer.reset();
  if (!done) throw PrintError(u"印表機拒絕了列印工作");
}

void QtPrintSurface::onTextDrawn(TextDrawn seen) {
  d_->textDrawn = std::move(seen);
}

bool QtPrintSurface::finish() {
  if (d_->target != Impl::Target::Pdf || !d_->painter.isActive()) return true;
  d_->documentOpen = false;
  const bool done = d_->painter.end();
  d_->printer.reset();
  return done;
}

}  // namespace kv884

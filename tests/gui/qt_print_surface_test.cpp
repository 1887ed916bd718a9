// The Qt printer: a missing default printer and an unwritable PDF file are printer failures with
// a reason; a PDF file is written only when the surface ends it.

#include "gui/qt_print_surface.hpp"

#include <QPrinterInfo>

#include "desktop_harness.hpp"

namespace kv884 {
namespace {

TEST(QtPrintSurface, WithoutADefaultPrinterTheFirstCallOfADocumentFails) {
  if (!QPrinterInfo::defaultPrinter().isNull())
    GTEST_SKIP() << "this machine has a default printer; no page is printed on it by a test";
  std::unique_ptr<QtPrintSurface> printer = QtPrintSurface::defaultPrinter();
  printer->setFontSize(20);  // font settings need no printer
  printer->setFontName(u"細明體");
  try {
    printer->printLine({u" "});
    FAIL() << "no PrintError";
  } catch (const PrintError& e) {
    EXPECT_EQ(e.reason(), u"沒有設定預設的印表機");
  }
  EXPECT_THROW(printer->endDocument(), PrintError);
}

TEST(QtPrintSurface, PdfFileIsWrittenWhenEndedAndAnUnwritableOneIsAPrinterFailure) {
  test::TempFolder folder;
  const QString good = QString::fromStdString((folder.path() / "page.pdf").string());
  std::unique_ptr<QtPrintSurface> pdf = QtPrintSurface::pdfFile(good);
  pdf->setFontName(u"細明體");
  pdf->printLine({u"證券代號", Tab{25}, u" : ", u"2330"});
  pdf->endDocument();
  pdf->printLine({u"第二頁"});
  pdf->endDocument();
  EXPECT_TRUE(pdf->finish());
  EXPECT_EQ(test::readFile(folder.path() / "page.pdf").rfind("%PDF-", 0), 0u);

  const std::filesystem::path badPath = folder.path() / "missing" / "page.pdf";
  std::unique_ptr<QtPrintSurface> bad =
      QtPrintSurface::pdfFile(QString::fromStdString(badPath.string()));
  try {
    bad->printLine({u"x"});
    FAIL() << "no PrintError";
  } catch (const PrintError& e) {
    EXPECT_NE(e.reason().find(u"missing"), std::u16string::npos);
  }
}

}  // namespace
}  // namespace kv884

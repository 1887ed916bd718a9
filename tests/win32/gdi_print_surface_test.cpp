// The Win32 program's pages against the Qt program's: each text where the Qt program prints it,
// within a pixel at 150 dpi. The page is an enhanced metafile, which keeps every text as drawn.

#include "win32/gdi_print_surface.hpp"

#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include "platform/utf.hpp"
#include "support/printed_pages.hpp"

namespace kv884::test {
namespace {

int CALLBACK noteTextRun(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM runs) {
  if (record->iType != EMR_EXTTEXTOUTW) return 1;
  const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
  const auto* chars = reinterpret_cast<const char16_t*>(reinterpret_cast<const BYTE*>(record) +
                                                        text->emrtext.offString);
  reinterpret_cast<std::vector<TextRun>*>(runs)->push_back(
      {text->emrtext.ptlReference.x, text->emrtext.ptlReference.y,
       toUtf8(std::u16string(chars, text->emrtext.nChars))});
  return 1;
}

TEST(GdiPrintSurface, PagesStandWhereTheQtProgramPrintsThem) {
  HDC page = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(page, nullptr);
  {
    GdiPrintSurface printer(page, static_cast<int>(kComparedDotsPerInch));
    printSamplePages(printer);
  }
  HENHMETAFILE pages = CloseEnhMetaFile(page);
  std::vector<TextRun> runs;
  EnumEnhMetaFile(nullptr, pages, noteTextRun, &runs, nullptr);
  DeleteEnhMetaFile(pages);
  EXPECT_EQ(misplacedRuns(readRuns(expectedRunsFile()), runs), "");
}

TEST(GdiPrintSurface, WithoutADefaultPrinterSaysSo) {
  DWORD length = 0;
  GetDefaultPrinterW(nullptr, &length);
  if (length != 0) GTEST_SKIP() << "this system has a default printer";
  GdiPrintSurface printer;
  try {
    printer.printLine({u" "});
    FAIL() << "no PrintError";
  } catch (const PrintError& e) {
    EXPECT_EQ(e.reason(), u"沒有設定預設的印表機");
  }
}

}  // namespace
}  // namespace kv884::test

// The faces the windows name drawn in Taiwan's standard forms by the chosen families; the
// user-defined characters drawn from the office's font or as 〓, on the screen and in a PDF, which
// kv884-query's PDF module finds where the desktop program does; the printer's failures.

#include <QGlyphRun>
#include <QPrinterInfo>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>

#include "desktop_harness.hpp"
#include "gui/dialog_boxes.hpp"
#include "gui/qt_print_surface.hpp"
#include "gui/user_defined_characters.hpp"
#include "gui/view_widgets.hpp"
#include "platform/utf.hpp"
#include "support/command.hpp"
#include "support/printed_pages.hpp"

namespace kv884::test {
namespace {

// The families that draw text in a font, glyph run by glyph run.
std::set<QString> drawingFamilies(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  std::set<QString> families;
  for (const QGlyphRun& run : layout.glyphRuns())
    families.insert(run.rawFont().familyName().toLower());
  return families;
}

// 戶 with a short 丿 on top, 說 with 八, 強 with 厶, 青 and 骨 with 月 as Taiwan writes it, 角
// with its middle stroke ending on the bottom one.
TEST(Fonts, FaceNamesDrawWithTheChosenFamiliesAlone) {
  const std::tuple<const char16_t*, const char16_t*, const char*> cases[] = {
      {u"細明體", u"戶說強青骨角", "tw-sung"},
      {u"新細明體", u"戶說強青骨角", "tw-sung"},
      {u"標楷體", u"戶說強青骨角", "tw-kai"},
      {u"Arial", u"KQD05", "liberation sans"},
  };
  for (auto [face, text, family] : cases)
    EXPECT_EQ(drawingFamilies(QString::fromUtf16(text), windowFont(face, 14.25)),
              std::set<QString>{QString::fromLatin1(family)})
        << QString::fromUtf16(face).toStdString();
}

// A message box draws its Latin letters, digits and Chinese in one face, and so does its button;
// the underscores of MSG_1_04 stay within the line, which a label cuts off below.
TEST(Fonts, MessageBoxesDrawAllTheirTextInOneFace) {
  const std::unique_ptr<QMessageBox> box =
      makeMessageBox(nullptr, u"MSG_1_04:無符合資料 !"_s, u"KV884"_s, false);
  for (const QWidget* part : box->findChildren<QWidget*>()) {
    const QString text = part->property("text").toString();
    if (!text.isEmpty()) {
      EXPECT_EQ(drawingFamilies(text, part->font()).size(), 1u) << text.toStdString();
      const QFontMetrics metrics(part->font());
      EXPECT_LT(metrics.boundingRect(u'_').bottom(), metrics.descent()) << "_ cut off";
    }
  }
}

// The wide set's holder 周 + Big5 FA40 + 倫: the box holds U+E000 as read, drawn from the font
// given or as the mark. A printed page embeds the same: kv884-query's PDF module installs the font
// by the same call and prints through the same surface (below).
TEST_F(DesktopTest, UserDefinedCharactersAreDrawnFromTheirFontOrAsTheMark) {
  const std::pair<QString, const char*> cases[] = {
      {QStringLiteral(KV884_SAMPLE_EUDC_FONT), "kv884 sample eudc"},
      {QString(), "kv884 geta mark"},  // last: as the other tests expect it
  };
  for (const auto& [fontFile, family] : cases) {
    ASSERT_TRUE(installUserDefinedCharacters(fontFile));
    ASSERT_NO_FATAL_FAILURE(openFixture("wide"));
    pick(u"依 中文戶名"_s);
    typeInto(control(query(), "tx_i_01"), u"周\uE000"_s);
    click(query(), "cmd_1");
    auto* name = control<QLineEdit>(query(), "tx_o_03");
    ASSERT_TRUE(name->text().startsWith(u"周\uE000倫"_s));
    EXPECT_EQ(drawingFamilies(QString(QChar(0xE000)), name->font()),
              std::set<QString>{QString::fromLatin1(family)});
    click(query(), "cmd_3");
  }
}

TEST(PdfModule, TakesTheUserDefinedCharacterFontFromTheEnvironmentOrTheUsersFolder) {
  TempFolder home;
  std::filesystem::create_directories(home.path() / "kv884");
  std::filesystem::copy_file(KV884_SAMPLE_EUDC_FONT, home.path() / "kv884" / "eudc.tte");
  const std::string pdf = shellQuote((home.path() / "page.pdf").string());
  const std::string fifo = (home.path() / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::tuple<std::string, const char*, std::string> cases[] = {
      {"", "KV884GetaMark", ""},
      {"KV884_EUDC_FONT=" + shellQuote(KV884_SAMPLE_EUDC_FONT), "KV884SampleEUDC", ""},
      {"XDG_DATA_HOME=" + shellQuote(home.path().string()), "KV884SampleEUDC", ""},
      // A named pipe does not hold the printing up; a folder is no font: each said as kv884 says
      // it.
      {"KV884_EUDC_FONT=" + fifo, "KV884GetaMark", fifo},
      {"KV884_EUDC_FONT=/tmp", "KV884GetaMark", "/tmp"},
  };
  for (const auto& [environment, pdfFont, unloadable] : cases) {
    // One shell for both, so that standard error is kv884-query's as well as pdffonts'.
    const CommandResult r = runCommand(
        "sh -c " + shellQuote("env -u KV884_EUDC_FONT -u XDG_DATA_HOME HOME=" +
                              shellQuote(home.path() / "nobody") + " " + environment + " " +
                              shellQuote(KV884_QUERY_BIN) + " " + shellQuote(fixturePath("wide")) +
                              " --by name " + shellQuote("周\uE000") + " --limit 1 --print " + pdf +
                              " && pdffonts " + pdf));
    EXPECT_NE(r.out.find(pdfFont), std::string::npos) << environment << r.out << r.err;
    EXPECT_EQ(r.err, unloadable.empty() ? ""
                                        : "kv884-query: " + unloadable +
                                              " is not a font that can be loaded; "
                                              "user-defined characters are drawn as 〓\n");
  }
}

// The reason a document fails with; font settings need no printer.
std::u16string failure(QtPrintSurface& surface) {
  surface.setFontName(u"細明體");
  try {
    surface.printLine({u" "});
  } catch (const PrintError& e) {
    return e.reason();
  }
  return u"no PrintError";
}

// Without a default printer, and into a PDF file that cannot be written, a document fails with
// the reason; a PDF file is written when the surface ends it, a new line at each line break.
TEST(QtPrintSurface, FailuresGiveTheirReasonAndAPdfIsWrittenWhenEnded) {
  TempFolder folder;
  if (QPrinterInfo::defaultPrinter().isNull()) {
    EXPECT_EQ(failure(*QtPrintSurface::defaultPrinter()), u"沒有設定預設的印表機");
  }
  const std::string missing = (folder.path() / "missing" / "page.pdf").string();
  EXPECT_EQ(failure(*QtPrintSurface::pdfFile(QString::fromStdString(missing))),
            u"無法寫入檔案 " + fromUtf8(missing));
  const std::string file = (folder.path() / "page.pdf").string();
  std::unique_ptr<QtPrintSurface> pdf = QtPrintSurface::pdfFile(QString::fromStdString(file));
  pdf->printLine({u"證券代號", Tab{25}, u" : ", u"2330\r\n第二行\r第三行"});
  pdf->endDocument();
  EXPECT_TRUE(pdf->finish());
  const std::string text = runCommand("pdftotext -layout " + shellQuote(file) + " -").out;
  EXPECT_NE(text.find("2330\n第二行\n第三行\n"), std::string::npos) << text;
}

// The Qt program's pages, which the Win32 program's are held against; with
// KV884_WRITE_PRINTED_PAGES set, they are written into the file anew instead.
TEST(QtPrintSurface, PagesStandWhereTheWin32PagesAreHeldTo) {
  TempFolder folder;
  std::unique_ptr<QtPrintSurface> pdf =
      QtPrintSurface::pdfFile(QString::fromStdString((folder.path() / "pages.pdf").string()));
  std::vector<TextRun> runs;
  pdf->onTextDrawn([&](double x, double y, const std::u16string& text) {
    runs.push_back({static_cast<int>(std::lround(x * kComparedDotsPerInch)),
                    static_cast<int>(std::lround(y * kComparedDotsPerInch)), toUtf8(text)});
  });
  printSamplePages(*pdf);
  if (std::getenv("KV884_WRITE_PRINTED_PAGES"))
    std::ofstream(expectedRunsFile(), std::ios::binary) << formatRuns(runs);
  EXPECT_EQ(misplacedRuns(readRuns(expectedRunsFile()), runs), "");
}

}  // namespace
}  // namespace kv884::test

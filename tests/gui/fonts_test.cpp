// The faces the windows name drawn in Taiwan's standard forms by the chosen families, and the
// user-defined characters drawn from the office's font or as 〓, on the screen and in a PDF.

#include <QGlyphRun>
#include <QLabel>
#include <QRawFont>
#include <QTextLayout>
#include <set>

#include "desktop_harness.hpp"
#include "gui/qt_print_surface.hpp"
#include "gui/user_defined_characters.hpp"
#include "gui/view_widgets.hpp"
#include "support/command.hpp"

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

struct FaceCase {
  const char16_t* face;
  const char16_t* text;
  const char* family;
};

// 戶 with a short 丿 on top, 說 with 八, 強 with 厶, 青 and 骨 with 月 as Taiwan writes it, 角
// with its middle stroke ending on the bottom one.
const FaceCase kFaces[] = {
    {u"細明體", u"戶說強青骨角", "TW-Sung"},
    {u"新細明體", u"戶說強青骨角", "TW-Sung"},
    {u"標楷體", u"戶說強青骨角", "TW-Kai"},
    {u"Arial", u"KQD05", "Liberation Sans"},
};

TEST_F(DesktopTest, FaceNamesDrawWithTheChosenFamiliesAlone) {
  for (const FaceCase& c : kFaces) {
    QLabel label(QString::fromUtf16(c.text));
    label.setFont(windowFont(c.face, 14.25));
    EXPECT_EQ(drawingFamilies(label.text(), label.font()),
              std::set<QString>{QString::fromLatin1(c.family).toLower()})
        << QString::fromUtf16(c.face).toStdString();
  }
}

struct UserDefinedCase {
  const char* name;
  QString fontFile;
  const char* family;       // drawing U+E000 on the screen
  const char* pdfFontName;  // embedded in the printed page
};

class UserDefinedCharacters : public DesktopTest,
                              public ::testing::WithParamInterface<UserDefinedCase> {
 protected:
  UserDefinedCharacters() { EXPECT_TRUE(installUserDefinedCharacters(GetParam().fontFile)); }
  ~UserDefinedCharacters() override { installUserDefinedCharacters({}); }
};

// The wide set's holder 周 + Big5 FA40 + 倫: the box holds U+E000 as read, drawn from the font
// given or as the mark; the printed page embeds the same.
TEST_P(UserDefinedCharacters, AreDrawnAndPrintedFromTheirFontOrAsTheMark) {
  const std::filesystem::path folder = copyFixture("wide", temp.path());
  std::unique_ptr<QtPrintSurface> pdf =
      QtPrintSurface::pdfFile(QString::fromStdString((temp.path() / "page.pdf").string()));
  desktop.program.printer = pdf.get();
  openFolder(folder);
  search(QString::fromUtf16(u"依 中文戶名"), QString::fromUtf16(u"周\uE000"));
  QLineEdit* name = control<QLineEdit>(query(), "tx_o_03");
  ASSERT_TRUE(name->text().startsWith(QString::fromUtf16(u"周\uE000倫")))
      << name->text().toStdString();
  EXPECT_EQ(drawingFamilies(QString(QChar(0xE000)), name->font()),
            std::set<QString>{QString::fromLatin1(GetParam().family).toLower()});

  click(query(), "cmd_4");
  ASSERT_TRUE(pdf->finish());
  const std::string fonts =
      runCommand("pdffonts " + shellQuote((temp.path() / "page.pdf").string())).out;
  EXPECT_NE(fonts.find(GetParam().pdfFontName), std::string::npos) << fonts;
}

INSTANTIATE_TEST_SUITE_P(
    WithAndWithoutAFont, UserDefinedCharacters,
    ::testing::Values(UserDefinedCase{"NoFont", {}, "KV884 Geta Mark", "KV884GetaMark"},
                      UserDefinedCase{"OfficeFont", QStringLiteral(KV884_SAMPLE_EUDC_FONT),
                                      "KV884 Sample EUDC", "KV884SampleEUDC"}),
    [](const auto& info) { return std::string(info.param.name); });

// kv884-query's PDF module finds the office's font where the desktop program does.
TEST(PdfModule, TakesTheUserDefinedCharacterFontFromTheEnvironmentOrTheUsersFolder) {
  TempFolder home;
  std::filesystem::create_directories(home.path() / "kv884");
  std::filesystem::copy_file(KV884_SAMPLE_EUDC_FONT, home.path() / "kv884" / "eudc.tte");
  const struct {
    std::string environment;
    const char* pdfFontName;
  } cases[] = {
      {"", "KV884GetaMark"},
      {"KV884_EUDC_FONT=" + shellQuote(KV884_SAMPLE_EUDC_FONT), "KV884SampleEUDC"},
      {"XDG_DATA_HOME=" + shellQuote(home.path().string()), "KV884SampleEUDC"},
  };
  for (const auto& c : cases) {
    const std::string pdf = shellQuote((home.path() / "page.pdf").string());
    const CommandResult r = runCommand(
        "env -u KV884_EUDC_FONT -u XDG_DATA_HOME HOME=" +
        shellQuote((home.path() / "nobody").string()) + " " + c.environment + " " +
        shellQuote(queryBinary()) + " " + shellQuote(fixturePath("wide").string()) + " --by name " +
        shellQuote("周\uE000") + " --limit 1 --print " + pdf + " && pdffonts " + pdf);
    EXPECT_NE(r.out.find(c.pdfFontName), std::string::npos) << c.environment << "\n"
                                                            << r.out << r.err;
  }
}

}  // namespace
}  // namespace kv884::test

// Pages as text: column stops in display columns, trimming, page separators.

#include "platform/text_print_surface.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

class TextPage : public ::testing::Test {
 protected:
  std::string written() { return test::readFile(file()); }
  std::filesystem::path file() const { return folder.path() / "page.txt"; }

  test::TempFolder folder;
};

TEST_F(TextPage, TabMovesToTheDisplayColumnCountingFullWidthAsTwo) {
  TextPrintSurface page(file());
  page.printLine({u"ab", Tab{5}, u"c"});
  page.printLine({u"群星", Tab{5}, u"c"});    // columns 1-4, so Tab(5) adds nothing
  page.printLine({u"群星水", Tab{5}, u"c"});  // already at column 7: next line, column 5
  page.printLine({u"\uE000", Tab{4}, u"x", Tab{4}, u"y"});
  page.printLine({Tab{1}, u"z", Tab{0}, u"w"});  // Tab(0) counts as column 1
  page.endDocument();
  EXPECT_EQ(written(),
            "ab  c\n"
            "群星c\n"
            "群星水\n"
            "    c\n"
            "\uE000 x\n"
            "   y\n"
            "z\n"
            "w\n");
}

TEST_F(TextPage, TrailingAsciiBlanksGoButIdeographicSpacesStay) {
  TextPrintSurface page(file());
  page.printLine({u" "});
  page.printLine({u"a  ", Tab{10}});
  page.printLine({u"b\u3000 "});
  page.printLine({u""});
  page.printLine({u"  c"});
  page.endDocument();
  EXPECT_EQ(written(), "\na\nb\u3000\n\n  c\n");
}

TEST_F(TextPage, LineBreaksInsideATextStartNewLinesAtColumnOne) {
  TextPrintSurface page(file());
  page.printLine({u"\r\n  one\r\n  two\nthree", Tab{8}, u"x"});
  page.endDocument();
  EXPECT_EQ(written(), "\n  one\n  two\nthree  x\n");
}

TEST_F(TextPage, DocumentsAreSeparatedByAFormFeedLineAndTheFontDoesNotChangeTheText) {
  TextPrintSurface page(file());
  page.setFontSize(20);
  page.setFontName(u"細明體");
  page.printLine({u"one"});
  page.endDocument();
  EXPECT_EQ(written(), "one\n");  // each document reaches the file when it ends
  page.setFontSize(8);
  page.printLine({u"two"});
  page.printLine({u"2"});
  page.endDocument();
  page.printLine({u"three"});
  page.endDocument();
  EXPECT_EQ(written(), "one\n\f\ntwo\n2\n\f\nthree\n");
  EXPECT_EQ(page.fontSize(), 8);
  EXPECT_EQ(page.fontName(), u"細明體");
}

TEST_F(TextPage, AFileThatCannotBeCreatedFailsEachDocumentWithAReason) {
  TextPrintSurface page(folder.path() / "no-such-folder" / "page.txt");
  page.printLine({u"one"});
  try {
    page.endDocument();
    FAIL() << "no PrintError";
  } catch (const PrintError& e) {
    EXPECT_NE(e.reason().find(u"no-such-folder"), std::u16string::npos);
  }
  EXPECT_THROW(page.endDocument(), PrintError);
}

}  // namespace
}  // namespace kv884

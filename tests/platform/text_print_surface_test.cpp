#include "platform/text_print_surface.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

TEST(TextPages, TabsCountDisplayColumnsBlanksGoAFormFeedLineSeparatesPages) {
  test::TempFolder folder;
  OutputFile file((folder.path() / "page.txt").string());
  TextPrintSurface page(file);
  page.setFontSize(20);  // changes nothing in the text
  page.printLine({u"ab", Tab{5}, u"c"});
  page.printLine({u"群星", Tab{5}, u"c"});  // columns 1-4, so Tab(5) adds nothing
  page.printLine({u"群星", Tab{4}, u"c"});  // already at column 5: next line, column 4
  page.printLine({u"\uE000", Tab{4}, u"x", Tab{0}, u"y"});  // Tab(0) counts as column 1
  page.printLine({u"a \u3000 ", Tab{10}});                  // the ideographic space stays
  page.printLine({u"\r\n  one\ntwo", Tab{6}, u"x"});        // a line break: column 1 again
  page.endDocument();
  page.printLine({u""});
  page.endDocument();
  file.commit();
  EXPECT_EQ(test::readFile(folder.path() / "page.txt"),
            "ab  c\n群星c\n群星\n   c\n\uE000 x\ny\na \u3000\n\n  one\ntwo  x\n\f\n\n");
}

}  // namespace
}  // namespace kv884

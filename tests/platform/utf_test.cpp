#include "platform/utf.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

TEST(Utf, TextSurvivesTheRoundTripSupplementaryCharactersIncluded) {
  std::u16string text = u"A張\uE000\U00020000\u3000";
  EXPECT_EQ(toUtf8(text), "A\xE5\xBC\xB5\xEE\x80\x80\xF0\xA0\x80\x80\xE3\x80\x80");
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
}

TEST(Utf, MalformedUtf8NeverYieldsSurrogatesOrHiddenCharacters) {
  EXPECT_EQ(fromUtf8("\xE5\xBC"), u"\uFFFD");                            // cut short
  EXPECT_EQ(fromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // above U+10FFFF
  EXPECT_EQ(fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");            // an encoded surrogate
  EXPECT_EQ(fromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");                      // overlong "/"
  EXPECT_EQ(fromUtf8("\xE0\x80\xAF"), u"\uFFFD\uFFFD\uFFFD");            // overlong "/"
  EXPECT_EQ(toUtf8(u"\xD800"
                   u"A"),
            "\xEF\xBF\xBD"
            "A");
}

}  // namespace
}  // namespace kv884

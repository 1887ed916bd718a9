#include "platform/utf.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

TEST(Utf, TextSurvivesTheRoundTripAndMalformedInputBecomesReplacementsNeverSurrogates) {
  const std::u16string text = u"A張\uE000\U00020000";
  EXPECT_EQ(toUtf8(text), "A\xE5\xBC\xB5\xEE\x80\x80\xF0\xA0\x80\x80");
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
  EXPECT_EQ(fromUtf8("\xE5\xBC!\xED\xA0\x80\xC0\xAF"), u"\uFFFD!\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(toUtf8(u"\xD800!"), "\xEF\xBF\xBD!");
}

}  // namespace
}  // namespace kv884

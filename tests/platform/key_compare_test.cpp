#include "platform/key_compare.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

TEST(CodeUnitOrder, IsCaseSensitiveAndShorterPrefixFirst) {
  EXPECT_LT(compareCodeUnits(u"Z", u"a"), 0);
  EXPECT_NE(compareCodeUnits(u"a1", u"A1"), 0);
  EXPECT_LT(compareCodeUnits(u"A12", u"A123"), 0);
  EXPECT_GT(compareCodeUnits(u"A123", u"A12"), 0);
  EXPECT_LT(compareCodeUnits(u"A12 ", u"A123"), 0);  // a blank is below every digit
  EXPECT_EQ(compareCodeUnits(u"A123", u"A123"), 0);
  // Code units compare unsigned: a character above U+7FFF is not negative.
  EXPECT_LT(compareCodeUnits(u"Z", u"\uE000"), 0);
}

TEST(UpperCaseKey, MapsEachCharacterWithoutChangingTheLength) {
  EXPECT_EQ(upperCaseKey(u"a12345678b"), u"A12345678B");
  EXPECT_EQ(upperCaseKey(u"ｚ張 ß"), u"Ｚ張 ß");  // simple mapping: ß does not become SS
}

TEST(NameCollation, IgnoresCaseAndWidth) {
  EXPECT_TRUE(NameCollation::equal(u"ａｂｃ", u"abc"));
  EXPECT_TRUE(NameCollation::equal(u"abc", u"ABC"));
  EXPECT_TRUE(NameCollation::equal(u"ＸＹＺ", u"xyz"));
  EXPECT_FALSE(NameCollation::equal(u"abc", u"abd"));
}

TEST(NameCollation, OrdersHanByStrokeCountWithLatinFirst) {
  // 王 (4 strokes) before 李 (7 strokes), although U+674E comes before U+738B and Li before Wang.
  EXPECT_LT(NameCollation::compare(u"王", u"李"), 0);
  EXPECT_LT(NameCollation::compare(u"一", u"丁"), 0);
  EXPECT_LT(NameCollation::compare(u"Ｚ", u"一"), 0);
  EXPECT_LT(NameCollation::compare(u"ZZ", u"一"), 0);
  EXPECT_LT(NameCollation::compare(u"a", u"B"), 0);
}

}  // namespace
}  // namespace kv884

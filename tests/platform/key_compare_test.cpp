#include "platform/key_compare.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

using Groups = std::vector<std::vector<std::u16string>>;

// Every key equals the keys of its group and sorts after those of the group before.
template <typename Compare>
void expectAscending(const Groups& groups, Compare compare) {
  for (size_t i = 0; i < groups.size(); ++i)
    for (const std::u16string& a : groups[i]) {
      for (const std::u16string& b : groups[i]) EXPECT_EQ(compare(a, b), 0) << i;
      for (const std::u16string& b : groups[i > 0 ? i - 1 : i])
        EXPECT_TRUE(i == 0 || (compare(b, a) < 0 && compare(a, b) > 0)) << i;
    }
}

// By code unit: a prefix and a blank first, unsigned. By name: case and width ignored, Latin
// before Han, Han by strokes (王 4 before 李 7, though U+674E is below U+738B).
TEST(KeyOrders, CodeUnitsCompareExactlyNamesByTheNameCollation) {
  expectAscending({{u"A12"}, {u"A12 "}, {u"A123"}, {u"Z"}, {u"abc"}, {u"李"}, {u"王"}, {u"\uE000"}},
                  compareCodeUnits);
  expectAscending(
      {{u"a"}, {u"abc", u"ABC", u"ａｂｃ"}, {u"B"}, {u"ZZ"}, {u"一"}, {u"丁"}, {u"王"}, {u"李"}},
      NameCollation::compare);
  EXPECT_FALSE(NameCollation::equal(u"abc", u"abd"));
  EXPECT_EQ(upperCaseKey(u"a1b ｚ張ß"), u"A1B Ｚ張ß");  // one for one: ß does not become SS
}

}  // namespace
}  // namespace kv884

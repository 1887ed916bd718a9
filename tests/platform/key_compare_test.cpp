#include "platform/key_compare.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

int sign(int n) {
  return (n > 0) - (n < 0);
}

// Rows: a, b, the sign of their code-unit order, of their name order. A prefix and a blank sort
// first, code units compare unsigned; names ignore case and width, Han by strokes (王 4, 李 7,
// though U+674E is below U+738B), Latin before Han.
TEST(KeyOrders, CodeUnitsCompareExactlyNamesByTheNameCollation) {
  using Row = std::tuple<std::u16string, std::u16string, int, int>;
  for (auto [a, b, units, names] : std::vector<Row>{{u"Z", u"a", -1, 1},
                                                    {u"A12", u"A123", -1, -1},
                                                    {u"A12 ", u"A123", -1, -1},
                                                    {u"Z", u"\uE000", -1, -1},
                                                    {u"abc", u"ABC", 1, 0},
                                                    {u"ａｂｃ", u"abc", 1, 0},
                                                    {u"王", u"李", 1, -1},
                                                    {u"一", u"丁", -1, -1},
                                                    {u"ZZ", u"一", -1, -1}}) {
    EXPECT_EQ(sign(compareCodeUnits(a, b)), units) << a.size() << " " << b.size();
    EXPECT_EQ(sign(NameCollation::compare(a, b)), names) << a.size() << " " << b.size();
    EXPECT_EQ(NameCollation::equal(a, b), names == 0);
  }
  EXPECT_EQ(upperCaseKey(u"a1b ｚ張ß"), u"A1B Ｚ張ß");  // one for one: ß does not become SS
}

}  // namespace
}  // namespace kv884

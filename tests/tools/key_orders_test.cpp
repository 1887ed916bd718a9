// The orders the builder chains holders in, which must be the orders the search compares by.

#include "mkset/key_orders.hpp"

#include <gtest/gtest.h>

#include "mkset/holder_csv.hpp"
#include "mkset/record_texts.hpp"

namespace kv884 {
namespace {

using namespace mkset;

std::vector<Holder> holders(const std::string& column, const std::vector<std::string>& values) {
  std::string csv = column + "\n";
  for (const std::string& v : values) csv += v + "\n";
  return holdersFromCsv(csv, u"2913");
}

TEST(KeyOrderTest, EachKindOrdersByItsCollationAndEqualKeysKeepInputOrder) {
  struct Case {
    const char* column;
    std::vector<std::string> values;
    int kind;
    KeyOrder order;
  };
  for (const Case& c : std::vector<Case>{
           // IDs compare in capitals, digits first.
           {"id_no", {"b200000001", "A900000000", "a100000000", "12345678"}, 1, {3, 2, 1, 0}},
           // Accounts and holder numbers compare by code units.
           {"account_no", {"98000000001", "11600000001", "60100000001"}, 2, {1, 2, 0}},
           {"holder_no", {"G000001", "0000000105", "0000000100"}, 3, {2, 1, 0}},
           {"account_no", {"2", "1", "2", "1", "2"}, 2, {1, 3, 0, 2, 4}},
           // Names: 陳 16 strokes, 王 4, Latin first; abc, ＡＢＣ and ａｂｃ are one name.
           {"holder_name", {"陳志明", "ABC", "王小明", "ａｂｃ", "ＡＢＣ"}, 4, {1, 3, 4, 2, 0}},
           // Only the first six characters count.
           {"holder_name", {"長春投資股份有限公司", "長春投資股份公司"}, 4, {0, 1}}}) {
    SCOPED_TRACE(c.values.front());
    EXPECT_EQ(keyOrder(holders(c.column, c.values), c.kind), c.order);
  }
}

TEST(NameKeyTest, HalfWidthBecomesFullWidthAndShortNamesArePadded) {
  EXPECT_EQ(nameKey(u"xyz Holdings"), u"ｘｙｚ\u3000Ｈｏ");
  EXPECT_EQ(nameKey(u"周\uE000"), u"周\uE000\u3000\u3000\u3000\u3000");
  EXPECT_EQ(nameKey(u"Ｍ&Ｎ企業社"), u"Ｍ＆Ｎ企業社");
}

}  // namespace
}  // namespace kv884

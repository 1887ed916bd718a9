// Made-up holders: the same for the same seed, and shaped like a register.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "mkset/data_set_builder.hpp"
#include "mkset/key_orders.hpp"
#include "mkset/record_numbering.hpp"
#include "mkset/synthetic_holders.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

using namespace mkset;
using test::readFile;
using test::TempFolder;

const std::vector<std::string> kFiles{"ntr/4401.sin", "ntr/4401.ptr", "ntridx/4401idxp.sin",
                                      "ntridx/4401idxd.sin", "ntridx/security.txt"};

std::filesystem::path build(const TempFolder& temp, const std::string& name, uint64_t seed) {
  DataSetOptions o;
  o.security = {u"4401", u"合成", u"20250101", u"N"};
  o.seed = seed;
  o.runsPerPage = 7;
  buildDataSet(temp.path() / name, syntheticHolders(700, seed, u"4401"), o);
  return temp.path() / name;
}

TEST(SyntheticTest, SameSeedWritesTheSameBytes) {
  TempFolder temp;
  std::filesystem::path a = build(temp, "a", 17);
  std::filesystem::path b = build(temp, "b", 17);
  std::filesystem::path c = build(temp, "c", 18);
  for (const std::string& file : kFiles) {
    ASSERT_TRUE(std::filesystem::exists(a / file)) << file;
    EXPECT_EQ(readFile(a / file), readFile(b / file)) << file;
  }
  EXPECT_NE(readFile(a / "ntr/4401.sin"), readFile(c / "ntr/4401.sin"));
  EXPECT_NE(readFile(a / "ntridx/4401idxd.sin"), readFile(c / "ntridx/4401idxd.sin"));
}

TEST(SyntheticTest, FirstHolderComesFirstInEveryOrder) {
  for (uint64_t seed : {1, 2, 3}) {
    std::vector<Holder> holders = syntheticHolders(5000, seed, u"4401");
    EXPECT_EQ(firstInEveryOrder(keyOrders(holders)), 0u) << "seed " << seed;
  }
}

bool isDigits(std::u16string_view s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

TEST(SyntheticTest, HoldersLookLikeARegister) {
  std::vector<Holder> holders = syntheticHolders(3000, 9, u"4401");
  ASSERT_EQ(holders.size(), 3000u);
  int businessNumbers = 0, personIds = 0, companies = 0;
  std::set<std::u16string> ids, holderNos;
  int repeatedIds = 0;
  for (const Holder& h : holders) {
    std::u16string_view id = h.get(HolderField::IdNo);
    if (isDigits(id.substr(0, 8)) && id.substr(8) == u"  ") ++businessNumbers;
    if (id[0] >= u'A' && id[0] <= u'Z' && (id[1] == u'1' || id[1] == u'2') &&
        isDigits(id.substr(2)))
      ++personIds;
    repeatedIds += !ids.insert(std::u16string(id)).second;
    holderNos.insert(std::u16string(h.get(HolderField::HolderNo)));
    companies += h.get(HolderField::HolderName).find(u"公司") != std::u16string_view::npos;
    EXPECT_TRUE(isDigits(h.get(HolderField::AccountNo)));
    EXPECT_EQ(h.get(HolderField::SecurityCode), u"4401  ");
  }
  EXPECT_EQ(businessNumbers + personIds, 3000);
  EXPECT_GT(businessNumbers, 100);
  EXPECT_GT(companies, 100);
  EXPECT_GT(repeatedIds, 10);
  EXPECT_EQ(holderNos.size(), 3000u);
}

}  // namespace
}  // namespace kv884

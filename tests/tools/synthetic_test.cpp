// Made-up holders, and where the builder puts records: the same files for the same seed, holders
// shaped like a register, and detail record 999999 kept for the holder no chain leads to.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "mkset/data_set_builder.hpp"
#include "mkset/mkset_error.hpp"
#include "mkset/record_numbering.hpp"
#include "mkset/synthetic_holders.hpp"
#include "support/temp_folder.hpp"

namespace kv884::mkset {
namespace {

using test::readFile;

// The same holders and --seed give the same files; another seed shuffles the records otherwise.
// No holders and more than 999,999 are refused.
TEST(Synthetic, SameSeedWritesTheSameFilesAndAnotherSeedShufflesOtherwise) {
  test::TempFolder temp;
  const std::pair<const char*, uint64_t> sets[] = {{"a", 17}, {"b", 17}, {"c", 18}};
  for (auto [set, seed] : sets)
    buildDataSet(temp.path() / set, syntheticHolders(700, 17, u"44"),
                 {{u"44", u"合成", u"20250101", u"N"}, {}, {}, 7, seed});
  for (const char* file : {"ntr/44.sin", "ntr/44.ptr", "ntridx/44idxp.sin", "ntridx/44idxd.sin",
                           "ntridx/security.txt"})
    EXPECT_EQ(readFile(temp.path() / "a" / file), readFile(temp.path() / "b" / file)) << file;
  for (const char* file : {"ntridx/44idxp.sin", "ntridx/44idxd.sin"})
    EXPECT_NE(readFile(temp.path() / "a" / file), readFile(temp.path() / "c" / file)) << file;
  EXPECT_THROW(buildDataSet(temp.path(), std::vector<Holder>(1000000), {}), MksetError);
}

// IDs of a letter and nine digits or business numbers of eight, companies among people, some
// holders sharing an ID, holder numbers unique; another seed, other holders.
TEST(Synthetic, HoldersLookLikeARegister) {
  std::set<std::u16string> ids, holderNos;
  int businessNumbers = 0, companies = 0;
  for (const Holder& h : syntheticHolders(3000, 9, u"4401")) {
    const std::u16string id(h.get(HolderField::IdNo));
    const bool business = id.find_first_not_of(u"0123456789") == 8 && id.substr(8) == u"  ";
    EXPECT_TRUE(business || (id[0] >= u'A' && id[0] <= u'Z' && (id[1] == u'1' || id[1] == u'2') &&
                             id.find_first_not_of(u"0123456789", 2) == std::u16string::npos));
    businessNumbers += business;
    companies += h.get(HolderField::HolderName).find(u"公司") != std::u16string_view::npos;
    ids.insert(id);
    holderNos.insert(std::u16string(h.get(HolderField::HolderNo)));
  }
  EXPECT_GT(businessNumbers, 100);
  EXPECT_GT(companies, 100);
  EXPECT_LT(ids.size(), 2990u);
  EXPECT_EQ(holderNos.size(), 3000u);
  EXPECT_NE(std::u16string(syntheticHolders(2, 1, u"44")[1].get(HolderField::IdNo)),
            std::u16string(syntheticHolders(2, 2, u"44")[1].get(HolderField::IdNo)));
}

// 999999 ends a chain, so with 999,999 holders detail record 999999 must hold the holder that
// comes first in every order: made-up holders always have one.
TEST(RecordNumbering, Record999999GoesToTheHolderFirstInEveryOrder) {
  for (uint64_t seed : {1, 2, 3})
    EXPECT_EQ(firstInEveryOrder(keyOrders(syntheticHolders(5000, seed, u"4401"))), 0u) << seed;
  EXPECT_EQ(firstInEveryOrder({KeyOrder{2, 0}, KeyOrder{2, 1}, KeyOrder{2, 0}, KeyOrder{0, 2}}),
            std::nullopt);
  std::vector<int64_t> numbers = detailRecordNumbers(999999, 7, 123456);
  EXPECT_EQ(numbers[123456], 999999);
  std::sort(numbers.begin(), numbers.end());
  for (size_t i = 0; i < numbers.size(); ++i) ASSERT_EQ(numbers[i], static_cast<int64_t>(i) + 1);
}

}  // namespace
}  // namespace kv884::mkset

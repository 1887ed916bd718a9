#include "mkset/synthetic_holders.hpp"

#include <array>
#include <string>

#include "mkset/seeded_random.hpp"
#include "platform/ascii_text.hpp"

namespace kv884::mkset {

namespace {

constexpr std::u16string_view kSurnames =
    u"陳林黃張李王吳劉蔡楊許鄭謝郭洪曾邱廖賴徐周葉蘇莊呂江何蕭羅高潘簡朱鍾彭游詹胡施沈余趙盧梁顏"
    u"柯孫魏翁戴范宋方鄧杜傅侯曹薛丁卓馬董唐藍蔣石古紀姚連馮歐程湯田康姜白汪鄒尤巫鐘黎涂龔嚴韓袁"
    u"金童陸夏柳邵錢伍倪溫于譚駱熊任甘秦顧毛章史官萬雷粘饒闕凌崔尹孔辛武辜陶段龍韋葛池孟殷麥賀莫"
    u"文管關向包丘";
constexpr std::u16string_view kGivenChars =
    u"志明俊傑家豪建宏承恩冠宇柏翰宗彥廷育誠怡君雅婷淑芬美玲靜宜惠如佩珊欣詩涵郁佳穎心文雄正義國"
    u"華秀英麗玉蘭春梅秋月子德仁信忠孝安平和祥瑞福永昌興龍鳳嘉慧婉琪瑋哲凱翔庭維偉銘";
constexpr std::array<std::u16string_view, 16> kCompanyStems{
    u"長春", u"大同", u"信義", u"聯合", u"永豐", u"新光", u"環球", u"東和",
    u"正隆", u"南亞", u"華新", u"開發", u"興業", u"國際", u"中華", u"台灣"};
constexpr std::array<std::u16string_view, 8> kCompanyKinds{
    u"投資股份有限公司", u"實業股份有限公司", u"企業社",           u"國際股份有限公司",
    u"開發有限公司",     u"基金會",           u"科技股份有限公司", u"建設有限公司"};
constexpr std::array<std::u16string_view, 6> kLatinStems{u"ＡＢＣ", u"ＸＹＺ", u"ＭＮＯ",
                                                         u"ＱＲＳ", u"ＤＥＦ", u"Ｍ＆Ｎ"};
constexpr std::array<std::u16string_view, 12> kBrokers{u"1160", u"5380", u"6010", u"6012",
                                                       u"7000", u"7001", u"8150", u"8440",
                                                       u"9200", u"9800", u"9845", u"9846"};
constexpr std::u16string_view kAllotmentTypes = u"00000000AABBCEEFG";
constexpr std::u16string_view kIdLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The holder that sorts first in every order: nothing generated sorts below these keys.
constexpr std::u16string_view kFirstId = u"10000000";
constexpr std::u16string_view kFirstName = u"ＡＡＡ投資股份有限公司";
constexpr std::u16string_view kFirstHolderNo = u"0000000000";

std::u16string digits(SeededRandom& random, int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) text += static_cast<char16_t>(u'0' + random.below(10));
  return text;
}

template <typename List>
auto pick(SeededRandom& random, const List& list) {
  return list[random.below(list.size())];
}

std::u16string personName(SeededRandom& random) {
  std::u16string name(1, pick(random, kSurnames));
  int given = random.percent(15) ? 1 : 2;
  for (int i = 0; i < given; ++i) name += pick(random, kGivenChars);
  return name;
}

std::u16string companyName(SeededRandom& random) {
  std::u16string name(random.percent(15) ? pick(random, kLatinStems) : pick(random, kCompanyStems));
  if (random.percent(30)) name += pick(random, kCompanyStems);
  name += pick(random, kCompanyKinds);
  return name;
}

std::u16string personId(SeededRandom& random) {
  std::u16string id(1, pick(random, kIdLetters));
  id += random.percent(50) ? u'1' : u'2';
  return id + digits(random, 8);
}

std::u16string businessNumber(SeededRandom& random) {
  return decimalText(10000000 + random.below(90000000), 8);
}

// Quantities lean to small holdings, as registers do.
std::u16string shares(SeededRandom& random) {
  static constexpr std::array<uint64_t, 5> kScales{1000, 10000, 100000, 1000000, 50000000};
  return decimalText(1 + random.below(pick(random, kScales)), 13);
}

void setCommonFields(Holder& h, SeededRandom& random, std::u16string_view securityCode) {
  h.set(HolderField::TransferShares, shares(random));
  h.set(HolderField::ForcedPostingFlag, random.percent(3)    ? u"2"
                                        : random.percent(10) ? u"1"
                                                             : u" ");
  h.set(HolderField::DataCategory, random.percent(60) ? u"1" : random.percent(75) ? u"2" : u" ");
  h.set(HolderField::SecurityCode, securityCode.substr(0, 6));
  h.set(HolderField::AllotmentType, std::u16string(1, pick(random, kAllotmentTypes)));
  h.set(HolderField::PerHolderFlag, random.percent(70) ? u"Y" : random.percent(50) ? u"N" : u" ");
  bool collateral = random.percent(10);
  h.set(HolderField::CollateralShares, collateral ? decimalText(random.below(5000000), 13) : u"0");
  h.set(HolderField::CollateralCount, collateral ? decimalText(1 + random.below(20), 2) : u"0");
}

Holder firstHolder(SeededRandom& random, std::u16string_view securityCode) {
  Holder h;
  h.set(HolderField::AccountNo, std::u16string(kBrokers.front()) + u"0000000");
  h.set(HolderField::IdNo, kFirstId);
  h.set(HolderField::HolderNo, kFirstHolderNo);
  h.set(HolderField::HolderName, kFirstName);
  setCommonFields(h, random, securityCode);
  return h;
}

}  // namespace

std::vector<Holder> syntheticHolders(size_t count, uint64_t seed,
                                     std::u16string_view securityCode) {
  SeededRandom random(seed);
  std::vector<Holder> holders;
  holders.reserve(count);
  if (count > 0) holders.push_back(firstHolder(random, securityCode));
  // Holder numbers: a walk through all ten-digit numbers by a step coprime to 10^10, so they are
  // unique and unordered.
  const uint64_t start = random.below(10'000'000'000ULL);
  while (holders.size() < count) {
    Holder h;
    bool company = random.percent(8);
    bool repeatsId = !company && holders.size() > 1 && random.percent(2);
    if (repeatsId) {
      const Holder& earlier = holders[1 + random.below(holders.size() - 1)];
      h.set(HolderField::IdNo, earlier.get(HolderField::IdNo));
      h.set(HolderField::HolderName, earlier.get(HolderField::HolderName));
    } else {
      h.set(HolderField::IdNo, company ? businessNumber(random) : personId(random));
      h.set(HolderField::HolderName, company ? companyName(random) : personName(random));
    }
    h.set(HolderField::AccountNo, std::u16string(pick(random, kBrokers)) + digits(random, 7));
    uint64_t holderNo = (start + holders.size() * 7'919'000'003ULL) % 10'000'000'000ULL;
    h.set(HolderField::HolderNo, decimalText(holderNo, 10));
    setCommonFields(h, random, securityCode);
    holders.push_back(h);
  }
  return holders;
}

}  // namespace kv884::mkset

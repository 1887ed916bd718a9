#include "mkset/count_report.hpp"

#include <cmath>
#include <cstdio>
#include <map>
#include <utility>

#include "dataset/numeric_value.hpp"
#include "platform/big5.hpp"
#include "platform/utf.hpp"

namespace kv884::mkset {

namespace {

constexpr size_t kLabelColumns = 20;
constexpr size_t kCountColumns = 10;
constexpr size_t kSharesColumns = 20;

struct Tally {
  int64_t holders = 0;
  long double shares = 0;  // as stored: hundredths when the decimal flag is Y
};

// One group of the report: its code, the label shown, and the tally, in the order shown.
using Groups = std::vector<std::pair<std::u16string, std::u16string>>;

size_t columns(std::u16string_view text) {
  size_t n = 0;
  for (char16_t c : text) n += isDoubleByte(c) ? 2 : 1;
  return n;
}

std::u16string padRight(std::u16string text, size_t width) {
  size_t used = columns(text);
  if (used < width) text.append(width - used, u' ');
  return text;
}

std::u16string padLeft(const std::u16string& text, size_t width) {
  size_t used = columns(text);
  return used < width ? std::u16string(width - used, u' ') + text : text;
}

std::u16string grouped(long double value, bool decimals) {
  char digits[64];
  if (decimals)
    std::snprintf(digits, sizeof digits, "%.2Lf", value / 100);
  else
    std::snprintf(digits, sizeof digits, "%.0Lf", value);
  std::string text(digits);
  size_t end = text.find('.');
  if (end == std::string::npos) end = text.size();
  size_t begin = text[0] == '-' ? 1 : 0;
  for (size_t at = end; at > begin + 3; at -= 3) text.insert(at - 3, 1, ',');
  return fromUtf8(text);
}

std::u16string line(const std::u16string& label, const std::u16string& count,
                    const std::u16string& shares) {
  return padRight(label, kLabelColumns) + padLeft(count, kCountColumns) +
         padLeft(shares, kSharesColumns);
}

std::u16string otherLabel(char16_t code) {
  return code == u' ' ? std::u16string(u"其他（空白）")
                      : u"其他（" + std::u16string(1, code) + u"）";
}

// The table of one grouping: the known codes in their order, then any other code met.
std::u16string table(const std::u16string& heading, const Groups& known,
                     const std::map<char16_t, Tally>& tallies, bool decimals) {
  std::u16string text = line(heading, u"筆數", u"股數") + u"\r\n";
  Tally total;
  auto row = [&](const std::u16string& label, const Tally& t) {
    text += line(label, fromUtf8(std::to_string(t.holders)), grouped(t.shares, decimals)) + u"\r\n";
    total.holders += t.holders;
    total.shares += t.shares;
  };
  for (const auto& [code, label] : known) {
    auto it = tallies.find(code[0]);
    if (it != tallies.end()) row(label, it->second);
  }
  for (const auto& [code, tally] : tallies) {
    bool isKnown = false;
    for (const auto& entry : known) isKnown = isKnown || entry.first[0] == code;
    if (!isKnown) row(otherLabel(code), tally);
  }
  text += line(u"合計", fromUtf8(std::to_string(total.holders)), grouped(total.shares, decimals)) +
          u"\r\n";
  return text;
}

std::map<char16_t, Tally> tallyBy(const std::vector<Holder>& holders, HolderField field) {
  std::map<char16_t, Tally> tallies;
  for (const Holder& h : holders) {
    Tally& t = tallies[h.get(field)[0]];
    ++t.holders;
    t.shares += numericValue(h.get(HolderField::TransferShares));
  }
  return tallies;
}

}  // namespace

std::u16string countReportText(const std::vector<Holder>& holders, const SecurityItems& security) {
  static const Groups kAllotmentTypes{{u"0", u"一般配發"},      {u"A", u"中籤配發"},
                                      {u"B", u"員工限制轉讓"},  {u"C", u"解除限制轉讓"},
                                      {u"E", u"庫存股配發"},    {u"F", u"庫存股限制轉讓"},
                                      {u"G", u"庫存股解除轉讓"}};
  static const Groups kDataCategories{{u"1", u"無償配股"}, {u"2", u"有償配股"}, {u" ", u"其他"}};
  bool decimals = security.decimalFlag == u"Y";

  std::u16string text = security.code + u"  " + security.name + u"  帳簿劃撥配發筆數\r\n";
  text += u"資料日期：" + security.dataDate + u"\r\n\r\n";
  text +=
      table(u"配發類別", kAllotmentTypes, tallyBy(holders, HolderField::AllotmentType), decimals);
  text += u"\r\n";
  text +=
      table(u"資料類別", kDataCategories, tallyBy(holders, HolderField::DataCategory), decimals);
  return text;
}

std::u16string withCrLf(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out += u"\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace kv884::mkset

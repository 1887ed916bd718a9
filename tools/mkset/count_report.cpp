#include "mkset/count_report.hpp"

#include <algorithm>
#include <map>
#include <span>

#include "dataset/display_formats.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/numeric_value.hpp"
#include "platform/ascii_text.hpp"
#include "platform/big5.hpp"

namespace kv884::mkset {

namespace {

constexpr size_t kLabelColumns = 20;
constexpr size_t kCountColumns = 10;
constexpr size_t kSharesColumns = 20;

struct Tally {
  int64_t holders = 0;
  double shares = 0;  // as stored: hundredths when the decimal flag is Y
};

// text filled with blanks to width display columns: on the left (numbers) or on the right.
std::u16string padded(const std::u16string& text, size_t width, bool onTheLeft) {
  const std::u16string fill(width - std::min(width, displayWidth(text)), u' ');
  return onTheLeft ? fill + text : text + fill;
}

std::u16string line(const std::u16string& label, const std::u16string& count,
                    const std::u16string& shares) {
  return padded(label, kLabelColumns, false) + padded(count, kCountColumns, true) +
         padded(shares, kSharesColumns, true);
}

std::u16string otherLabel(char16_t code) {
  return code == u' ' ? std::u16string(u"其他（空白）")
                      : u"其他（" + std::u16string(1, code) + u"）";
}

// The table of one grouping: the known codes in their order, then any other code met.
std::u16string table(const std::u16string& heading, std::span<const CodeText> known,
                     std::map<char16_t, Tally> tallies, const std::u16string& decimalFlag) {
  std::u16string text = line(heading, u"筆數", u"股數") + u"\r\n";
  Tally total;
  auto row = [&](const std::u16string& label, const Tally& t) {
    text += line(label, decimalText(t.holders), formatQuantity(t.shares, decimalFlag)) + u"\r\n";
    total.holders += t.holders;
    total.shares += t.shares;
  };
  for (const CodeText& code : known)
    if (auto met = tallies.extract(code.code)) row(std::u16string(code.text), met.mapped());
  for (const auto& [code, tally] : tallies) row(otherLabel(code), tally);
  text += line(u"合計", decimalText(total.holders), formatQuantity(total.shares, decimalFlag)) +
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

std::u16string countReportOf(const std::vector<Holder>& holders, const SecurityItems& security) {
  std::u16string text = security.code + u"  " + security.name + u"  帳簿劃撥配發筆數\r\n";
  text += u"資料日期：" + security.dataDate + u"\r\n\r\n";
  text += table(u"配發類別", kAllotmentTypes, tallyBy(holders, HolderField::AllotmentType),
                security.decimalFlag);
  text += u"\r\n";
  text += table(u"資料類別", kDataCategories, tallyBy(holders, HolderField::DataCategory),
                security.decimalFlag);
  return text;
}

}  // namespace kv884::mkset

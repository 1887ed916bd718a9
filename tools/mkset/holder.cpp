#include "mkset/holder.hpp"

#include <algorithm>

#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "platform/key_compare.hpp"

namespace kv884::mkset {

namespace {

using Data = HolderRecord;
using Detail = DetailRecord;
constexpr bool kQuantity = true;

constexpr std::array<HolderFieldLayout, kHolderFieldCount> kLayouts{{
    {HolderField::AccountNo, "account_no", Data::kAccountNo, false,
     "集保帳號, depository account number"},
    {HolderField::IdNo, "id_no", Data::kIdNo, false,
     "身分證/營利事業統一編號 (letter + 9 digits, or 8 digits)"},
    {HolderField::TransferShares, "transfer_shares", Data::kTransferShares, kQuantity,
     "劃撥股數 as stored (hundredths when the decimal flag is Y)"},
    {HolderField::ForcedPostingFlag, "forced_posting_flag", Data::kForcedPostingFlag, false,
     "2 = posted although the ID did not match"},
    {HolderField::DataCategory, "data_category", Data::kDataCategory, false,
     "資料類別: 1 無償配股, 2 有償配股, empty 其他"},
    {HolderField::SecurityCode, "security_code", Data::kSecurityCode, false,
     "證券代號 (default: the --code value)"},
    {HolderField::AllotmentType, "allotment_type", Data::kAllotmentType, false,
     "配發類別 code: 0 A B C E F G (others are shown as stored)"},
    {HolderField::HolderNo, "holder_no", Data::kHolderNo, false, "戶號"},
    {HolderField::PerHolderFlag, "per_holder_flag", Data::kPerHolderFlag, false, "逐戶配發 flag"},
    {HolderField::HolderName, "holder_name", Detail::kHolderName, false,
     "戶名 (up to 19 characters)"},
    {HolderField::CollateralShares, "collateral_shares", Detail::kCollateralShares, kQuantity,
     "擔保品/全權委託撥轉股數 as stored"},
    {HolderField::CollateralCount, "collateral_count", Detail::kCollateralCount, kQuantity,
     "擔保品/全權委託撥轉筆數"},
}};

// Offsets of the fields in the flat block. The table is indexed by HolderField; a throw here stops
// the compilation.
constexpr std::array<size_t, kHolderFieldCount> offsets() {
  std::array<size_t, kHolderFieldCount> result{};
  size_t at = 0;
  for (size_t i = 0; i < kLayouts.size(); ++i) {
    if (static_cast<size_t>(kLayouts[i].field) != i) throw "the table is not in HolderField order";
    result[i] = at;
    at += kLayouts[i].width();
  }
  if (at != Holder::kChars) throw "the flat block does not hold every field";
  return result;
}

constexpr std::array<size_t, kHolderFieldCount> kOffsets = offsets();

bool digitsOnly(std::u16string_view value) {
  return !value.empty() &&
         std::all_of(value.begin(), value.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

const std::array<HolderFieldLayout, kHolderFieldCount>& holderFieldLayouts() {
  return kLayouts;
}

const HolderFieldLayout& holderFieldLayout(HolderField field) {
  return kLayouts[static_cast<size_t>(field)];
}

Holder::Holder() {
  chars_.fill(u' ');
}

std::u16string_view Holder::get(HolderField field) const {
  return std::u16string_view(chars_.data() + kOffsets[static_cast<size_t>(field)],
                             holderFieldLayout(field).width());
}

void Holder::set(HolderField field, std::u16string_view value) {
  const HolderFieldLayout& layout = holderFieldLayout(field);
  const size_t width = layout.width();
  char16_t* out = chars_.data() + kOffsets[static_cast<size_t>(field)];
  value = value.substr(0, width);
  if (layout.quantity && digitsOnly(value)) {
    size_t zeros = width - value.size();
    std::fill(out, out + zeros, u'0');
    std::copy(value.begin(), value.end(), out + zeros);
  } else {
    std::copy(value.begin(), value.end(), out);
    std::fill(out + value.size(), out + width, u' ');
  }
}

std::u16string keyOf(const Holder& holder, int kind) {
  constexpr HolderField kKeyFields[] = {HolderField::IdNo, HolderField::AccountNo,
                                        HolderField::HolderNo, HolderField::HolderName};
  const KeyKind& k = keyKind(kind);
  const std::u16string_view value = holder.get(kKeyFields[kind - 1]);
  if (k.byNameCollation) return nameKeyOf(value);
  return k.upperCasesKey ? upperCaseKey(value) : std::u16string(value);
}

std::u16string holderRecordOf(const Holder& h) {
  // The ID in capitals, as its key holds it: a data set whose key and holder record disagree is
  // one the checker rejects.
  const std::u16string id = keyOf(h, 1);
  return holderRecordText({h.get(HolderField::AccountNo), id, h.get(HolderField::TransferShares),
                           h.get(HolderField::ForcedPostingFlag), h.get(HolderField::DataCategory),
                           h.get(HolderField::SecurityCode), h.get(HolderField::AllotmentType),
                           h.get(HolderField::HolderNo), h.get(HolderField::PerHolderFlag)});
}

std::u16string detailRecordOf(const Holder& h, const DetailLinks& links) {
  return detailRecordText({{keyOf(h, 1), keyOf(h, 2), keyOf(h, 3), keyOf(h, 4)},
                           links,
                           h.get(HolderField::CollateralShares),
                           h.get(HolderField::CollateralCount),
                           h.get(HolderField::HolderName)});
}

}  // namespace kv884::mkset

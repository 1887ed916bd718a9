#include "dataset/key_kind.hpp"

#include "dataset/detail_record.hpp"
#include "platform/key_compare.hpp"

namespace kv884 {

// The root pages and successor fields follow the field order of the detail record
// (統一編號, 帳號, 中文戶名, 戶號), not the kinds' numbering.
constexpr std::array<KeyKind, 4> kKinds{{
    {1, u"依 統一編號", "id", 1, 1800, 18, 12, u' ', DetailRecord::kIdKey, DetailRecord::kNextById,
     true, false, u"MSG_1_02:無符合資料 !", u"MSG_1_04:無符合資料 !"},
    {2, u"依 帳號", "account", 2, 1800, 18, 12, u' ', DetailRecord::kAccountKey,
     DetailRecord::kNextByAccount, false, false, u"MSG_1_02:無符合資料 !",
     u"MSG_1_05:無符合資料 !"},
    {3, u"依 戶號", "holder", 4, 1800, 18, 12, u' ', DetailRecord::kHolderNoKey,
     DetailRecord::kNextByHolderNo, false, false, u"MSG_1_02:無符合資料 !",
     u"MSG_1_06:無符合資料 !"},
    {4, u"依 中文戶名", "name", 3, 1200, 12, 6, u'\u3000', DetailRecord::kNameKey,
     DetailRecord::kNextByName, false, true, u"MSG_1_03:無符合資料 !", u"MSG_1_07:無符合資料 !"},
}};

// The windows list the names before the numbers.
constexpr std::array kListOrder{1, 4, 2, 3};

const KeyKind& keyKind(int kind) {
  return kKinds.at(static_cast<size_t>(kind - 1));
}

const std::array<KeyKind, 4>& keyKinds() {
  return kKinds;
}

std::vector<std::u16string> kindCaptionList() {
  std::vector<std::u16string> captions;
  for (int kind : kListOrder) captions.emplace_back(keyKind(kind).caption);
  return captions;
}

std::optional<int> kindOfCaption(std::u16string_view text) {
  for (const KeyKind& k : kKinds)
    if (text == k.caption) return k.kind;
  return std::nullopt;
}

int compareKeys(const KeyKind& kind, std::u16string_view a, std::u16string_view b) {
  return kind.byNameCollation ? NameCollation::compare(a, b) : compareCodeUnits(a, b);
}

int64_t successorOf(const KeyKind& kind, std::u16string_view detailText) {
  return recordNumber(field(detailText, kind.successor));
}

std::u16string_view keyFieldOf(const KeyKind& kind, std::u16string_view detailText) {
  return field(detailText, kind.keyField);
}

}  // namespace kv884

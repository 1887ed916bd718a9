#pragma once
// A holder data record: 122 bytes in the file, its first 122 decoded characters as text, read as
// a view on that text and written as that text from its values; and the codes of its allotment
// type and data category.

#include <array>
#include <string>
#include <string_view>

#include "dataset/record_field.hpp"

namespace kv884 {

inline constexpr int kHolderRecordLength = 122;  // bytes
inline constexpr int kHolderRecordChars = 122;

struct HolderRecord {
  static constexpr RecordField kAccountNo{1, 11};
  static constexpr RecordField kIdNo{12, 10};
  static constexpr RecordField kTransferShares{22, 13};
  static constexpr RecordField kForcedPostingFlag{44, 1};
  static constexpr RecordField kDataCategory{56, 1};
  static constexpr RecordField kSecurityCode{57, 6};
  static constexpr RecordField kAllotmentType{63, 1};
  static constexpr RecordField kHolderNo{81, 10};
  static constexpr RecordField kPerHolderFlag{91, 1};

  std::u16string_view text;

  std::u16string_view accountNo() const { return field(text, kAccountNo); }
  std::u16string_view idNo() const { return field(text, kIdNo); }
  std::u16string_view transferShares() const { return field(text, kTransferShares); }
  std::u16string_view forcedPostingFlag() const { return field(text, kForcedPostingFlag); }
  std::u16string_view dataCategory() const { return field(text, kDataCategory); }
  std::u16string_view securityCode() const { return field(text, kSecurityCode); }
  std::u16string_view allotmentType() const { return field(text, kAllotmentType); }
  std::u16string_view holderNo() const { return field(text, kHolderNo); }
  std::u16string_view perHolderFlag() const { return field(text, kPerHolderFlag); }
};

struct HolderValues {
  std::u16string_view accountNo, idNo, transferShares, forcedPostingFlag, dataCategory,
      securityCode, allotmentType, holderNo, perHolderFlag;
};

// The record text: each value in its field, blanks at the positions that are not read.
inline std::u16string holderRecordText(const HolderValues& values) {
  using R = HolderRecord;
  std::u16string text(kHolderRecordChars, u' ');
  putField(text, R::kAccountNo, values.accountNo);
  putField(text, R::kIdNo, values.idNo);
  putField(text, R::kTransferShares, values.transferShares);
  putField(text, R::kForcedPostingFlag, values.forcedPostingFlag);
  putField(text, R::kDataCategory, values.dataCategory);
  putField(text, R::kSecurityCode, values.securityCode);
  putField(text, R::kAllotmentType, values.allotmentType);
  putField(text, R::kHolderNo, values.holderNo);
  putField(text, R::kPerHolderFlag, values.perHolderFlag);
  return text;
}

// A one-character code and its text.
struct CodeText {
  char16_t code;
  std::u16string_view text;
};

// The allotment types, compared exactly and case-sensitively; there is no code D.
inline constexpr std::array<CodeText, 7> kAllotmentTypes{{
    {u'0', u"一般配發"},
    {u'A', u"中籤配發"},
    {u'B', u"員工限制轉讓"},
    {u'C', u"解除限制轉讓"},
    {u'E', u"庫存股配發"},
    {u'F', u"庫存股限制轉讓"},
    {u'G', u"庫存股解除轉讓"},
}};

inline constexpr std::array<CodeText, 3> kDataCategories{
    {{u'1', u"無償配股"}, {u'2', u"有償配股"}, {u' ', u"其他"}}};

// The allotment type's display text; a code outside the table is shown as it stands.
inline std::u16string allotmentTypeText(std::u16string_view code) {
  for (const CodeText& type : kAllotmentTypes)
    if (code.size() == 1 && code[0] == type.code) return std::u16string(type.text);
  return std::u16string(code);
}

}  // namespace kv884

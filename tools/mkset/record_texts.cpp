#include "mkset/record_texts.hpp"

#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "platform/key_compare.hpp"

namespace kv884::mkset {

namespace {

// The double-byte Big5 form of a printable ASCII character: its full-width form, or for the six
// whose full-width form Big5 lacks, the nearest sign Big5 has.
char16_t fullWidth(char16_t c) {
  switch (c) {
    case u' ':
      return u'\u3000';
    case u'"':
      return u'\u201D';  // ”
    case u'\'':
      return u'\u2019';  // ’
    case u'[':
      return u'\u3014';  // 〔
    case u']':
      return u'\u3015';  // 〕
    case u'^':
      return u'\uFE3F';  // ︿
    case u'`':
      return u'\u2035';  // ‵
    default:
      return c >= 0x21 && c <= 0x7E ? static_cast<char16_t>(c - 0x21 + 0xFF01) : c;
  }
}

}  // namespace

std::u16string nameKey(std::u16string_view holderName) {
  const auto length = static_cast<size_t>(DetailRecord::kNameKey.length);
  std::u16string key(holderName.substr(0, length));
  key.resize(length, u' ');
  for (char16_t& c : key) c = fullWidth(c);
  return key;
}

std::u16string keyOf(const Holder& holder, int kind) {
  switch (kind) {
    case 1:
      return upperCaseKey(holder.get(HolderField::IdNo));
    case 2:
      return std::u16string(holder.get(HolderField::AccountNo));
    case 3:
      return std::u16string(holder.get(HolderField::HolderNo));
    default:
      return nameKey(holder.get(HolderField::HolderName));
  }
}

std::u16string holderRecordText(const Holder& holder) {
  std::u16string text(kHolderRecordChars, u' ');
  for (const HolderFieldLayout& layout : holderFieldLayouts())
    if (!layout.inDetailRecord) putField(text, layout.at, holder.get(layout.field));
  // The ID in capitals, as its key holds it: a data set whose key and holder record disagree is
  // one the checker rejects.
  putField(text, HolderRecord::kIdNo, keyOf(holder, 1));
  return text;
}

std::u16string detailRecordText(const Holder& holder, const DetailLinks& links) {
  std::u16string text(kDetailRecordChars, u' ');
  for (const KeyKind& k : keyKinds()) {
    putField(text, k.keyField, keyOf(holder, k.kind));
    putField(text, k.successor, recordNumberText(links.next[static_cast<size_t>(k.kind - 1)]));
  }
  putField(text, DetailRecord::kDataRecNo, recordNumberText(links.dataRecNo));
  for (const HolderFieldLayout& layout : holderFieldLayouts())
    if (layout.inDetailRecord) putField(text, layout.at, holder.get(layout.field));
  return text;
}

}  // namespace kv884::mkset

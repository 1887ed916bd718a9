#include "mkset/record_texts.hpp"

#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "platform/key_compare.hpp"

namespace kv884::mkset {

namespace {

constexpr size_t kNameKeyLength = 6;

// Puts value at a 1-based position of text.
void place(std::u16string& text, int position, std::u16string_view value) {
  text.replace(static_cast<size_t>(position - 1), value.size(), value);
}

char16_t fullWidth(char16_t c) {
  if (c == u' ') return u'\u3000';
  if (c >= 0x21 && c <= 0x7E) return static_cast<char16_t>(c - 0x21 + 0xFF01);
  return c;
}

}  // namespace

std::u16string nameKey(std::u16string_view holderName) {
  std::u16string key(holderName.substr(0, kNameKeyLength));
  key.resize(kNameKeyLength, u' ');
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

std::u16string recordNumberText(int64_t number) {
  std::u16string text(6, u'0');
  for (size_t i = text.size(); i-- > 0 && number > 0; number /= 10)
    text[i] = static_cast<char16_t>(u'0' + number % 10);
  return text;
}

std::u16string holderRecordText(const Holder& holder) {
  std::u16string text(kHolderRecordChars, u' ');
  place(text, 1, holder.get(HolderField::AccountNo));
  // The ID in capitals, as its key holds it: a data set whose key and holder record disagree is
  // one the checker rejects.
  place(text, 12, upperCaseKey(holder.get(HolderField::IdNo)));
  place(text, 22, holder.get(HolderField::TransferShares));
  place(text, 44, holder.get(HolderField::ForcedPostingFlag));
  place(text, 56, holder.get(HolderField::DataCategory));
  place(text, 57, holder.get(HolderField::SecurityCode));
  place(text, 63, holder.get(HolderField::AllotmentType));
  place(text, 81, holder.get(HolderField::HolderNo));
  place(text, 91, holder.get(HolderField::PerHolderFlag));
  return text;
}

std::u16string detailRecordText(const Holder& holder, const DetailLinks& links) {
  std::u16string text(kDetailRecordChars, u' ');
  for (int kind = 1; kind <= 4; ++kind) {
    const KeyKind& k = keyKind(kind);
    place(text, k.keyFieldPosition, keyOf(holder, kind));
    place(text, k.successorPosition, recordNumberText(links.next[static_cast<size_t>(kind - 1)]));
  }
  place(text, 38, recordNumberText(links.dataRecNo));
  place(text, 72, holder.get(HolderField::CollateralShares));
  place(text, 85, holder.get(HolderField::CollateralCount));
  place(text, 94, holder.get(HolderField::HolderName));
  return text;
}

}  // namespace kv884::mkset

#include "dataset/detail_record.hpp"

#include "dataset/key_kind.hpp"
#include "platform/big5.hpp"

namespace kv884 {

namespace {

// The blank's double-byte form, and the nearest signs for the six whose full-width form Big5 lacks.
constexpr std::u16string_view kWithoutFullWidth = u" \"'[]^`";
constexpr std::u16string_view kNearestSigns = u"\u3000\u201D\u2019\u3014\u3015\uFE3F\u2035";

char16_t fullWidth(char16_t c) {
  if (size_t at = kWithoutFullWidth.find(c); at != std::u16string_view::npos)
    return kNearestSigns[at];
  return c >= 0x21 && c <= 0x7E ? static_cast<char16_t>(c - 0x21 + 0xFF01) : c;
}

}  // namespace

std::u16string nameKeyOf(std::u16string_view holderName) {
  const auto length = static_cast<size_t>(DetailRecord::kNameKey.length);
  std::u16string key(holderName.substr(0, length));
  key.resize(length, u' ');
  for (char16_t& c : key) c = fullWidth(c);
  return key;
}

std::u16string detailRecordText(const DetailValues& values) {
  std::u16string text(kDetailRecordChars, u' ');
  for (const KeyKind& k : keyKinds()) {
    const auto at = static_cast<size_t>(k.kind - 1);
    putField(text, k.keyField, values.keys[at]);
    putField(text, k.successor, recordNumberText(values.links.next[at]));
  }
  putField(text, DetailRecord::kDataRecNo, recordNumberText(values.links.dataRecNo));
  putField(text, DetailRecord::kCollateralShares, values.collateralShares);
  putField(text, DetailRecord::kCollateralCount, values.collateralCount);
  putField(text, DetailRecord::kHolderName, values.holderName);
  return text;
}

int64_t dataRecNoOf(std::string_view bytes, std::u16string& buffer) {
  const auto through =
      static_cast<size_t>(DetailRecord::kDataRecNo.position + DetailRecord::kDataRecNo.length - 1);
  PartialRecordText text(bytes, through, buffer);
  return DetailRecord{text.upTo(through)}.dataRecNo();
}

}  // namespace kv884

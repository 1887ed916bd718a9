#include "platform/key_compare.hpp"

#include <unicode/uchar.h>
#include <unicode/ucol.h>

namespace kv884 {

int compareCodeUnits(std::u16string_view a, std::u16string_view b) {
  return a.compare(b);
}

std::u16string upperCaseKey(std::u16string_view key) {
  std::u16string upper(key);
  for (char16_t& c : upper) {
    if (c >= 0xD800 && c < 0xE000) continue;  // surrogates map to themselves
    UChar32 mapped = u_toupper(c);
    if (mapped < 0x10000) c = static_cast<char16_t>(mapped);
  }
  return upper;
}

namespace {

// Created on first use: opening the data set or searching by a key of kinds 1 to 3 never pays
// for it; it lives as long as the program. The BCP 47 tag: Taiwan's stroke order, Latin before
// Han, case and width ignored.
UCollator* nameCollator() {
  static UCollator* const collator = [] {
    constexpr const char* kTag = "zh-Hant-TW-u-kr-latn-hani-ks-level2";
    UErrorCode status = U_ZERO_ERROR;
    UCollator* c = ucol_open(kTag, &status);
    if (U_FAILURE(status))
      throw CollationUnavailable("無法開啟中文戶名的排序規則：" + std::string(kTag) + ": " +
                                 u_errorName(status));
    return c;
  }();
  return collator;
}

}  // namespace

int NameCollation::compare(std::u16string_view a, std::u16string_view b) {
  UCollationResult r = ucol_strcoll(
      nameCollator(), reinterpret_cast<const UChar*>(a.data()), static_cast<int32_t>(a.size()),
      reinterpret_cast<const UChar*>(b.data()), static_cast<int32_t>(b.size()));
  return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

}  // namespace kv884

#include "platform/utf.hpp"

#include <unicode/ustring.h>

#include <algorithm>

namespace kv884 {

// Ill-formed input becomes U+FFFD, one for each maximal ill-formed part, as Unicode recommends: a
// malformed argument or script line can never smuggle in a separator or a lone surrogate.
constexpr UChar32 kReplacement = 0xFFFD;

std::string toUtf8(std::u16string_view text) {
  std::string out;
  appendUtf8(out, text);
  return out;
}

void appendUtf8(std::string& out, std::u16string_view text) {
  // Most cells of an export are ASCII (numbers, IDs, accounts) and are copied as they stand,
  // which a million rows feel.
  if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
    out.append(text.begin(), text.end());
    return;
  }
  const size_t at = out.size();
  out.resize(at + text.size() * 3);
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data() + at, static_cast<int32_t>(text.size() * 3), &length,
                     reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
                     kReplacement, nullptr, &status);
  out.resize(at + (U_SUCCESS(status) ? static_cast<size_t>(length) : 0));
}

std::u16string fromUtf8(std::string_view utf8) {
  std::u16string out(utf8.size(), u'\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                       &length, utf8.data(), static_cast<int32_t>(utf8.size()), kReplacement,
                       nullptr, &status);
  out.resize(U_SUCCESS(status) ? static_cast<size_t>(length) : 0);
  return out;
}

bool isUtf8(std::string_view bytes) {
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8(nullptr, 0, &length, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  return status != U_INVALID_CHAR_FOUND;
}

}  // namespace kv884

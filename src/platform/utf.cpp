#include "platform/utf.hpp"

#include <unicode/ustring.h>

#include <algorithm>

namespace kv884 {

// Ill-formed input becomes U+FFFD, one for each maximal ill-formed part, as Unicode recommends: a
// malformed argument or script line can never smuggle in a separator or a lone surrogate.
namespace {
constexpr UChar32 kReplacement = 0xFFFD;
}

std::string toUtf8(std::u16string_view text) {
  std::string out;
  appendUtf8(out, text);
  return out;
}

void appendUtf8(std::string& out, std::u16string_view text) {
  // Most cells of an export are ASCII (numbers, IDs, accounts), or begin with ASCII: that part is
  // copied as it stands, which a million rows feel, and only the rest goes through ICU. An ASCII
  // character is never half of a surrogate pair, so the cut splits none.
  const auto ascii = std::find_if(text.begin(), text.end(), [](char16_t c) { return c >= 0x80; });
  size_t at = out.size();
  out.resize(at + static_cast<size_t>(ascii - text.begin()));
  std::copy(text.begin(), ascii, out.begin() + static_cast<std::ptrdiff_t>(at));
  const std::u16string_view rest = text.substr(out.size() - at);
  if (rest.empty()) return;
  at = out.size();
  out.resize(at + rest.size() * 3);
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data() + at, static_cast<int32_t>(rest.size() * 3), &length,
                     reinterpret_cast<const UChar*>(rest.data()), static_cast<int32_t>(rest.size()),
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

#include "platform/utf.hpp"

#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

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
  const size_t at = out.size();
  out.resize(at + text.size() * 3);  // the most UTF-8 one UTF-16 code unit becomes
  char* const to = out.data() + at;
  // Most cells of an export are ASCII (numbers, IDs, accounts), or begin with ASCII: that part is
  // copied as it stands. The rest goes through ICU's code point macros, not its string
  // conversion, whose set-up costs a short cell more than its characters; an unpaired surrogate
  // becomes U+FFFD, as the conversion makes it.
  size_t i = 0;
  for (; i < text.size() && text[i] < 0x80; ++i) to[i] = static_cast<char>(text[i]);
  size_t written = i;
  while (i < text.size()) {
    UChar32 c;
    U16_NEXT(text, i, text.size(), c);
    U8_APPEND_UNSAFE(to, written, U_IS_SURROGATE(c) ? kReplacement : c);
  }
  out.resize(at + written);
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

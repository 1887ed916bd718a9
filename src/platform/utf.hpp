#pragma once
// UTF-8 <-> UTF-16 conversion at the program's edges (command line, JSON, file names).
// Inside, every text is UTF-16: a decoded Big5 character is always one code unit, so an index
// into a record text is a character position.

#include <string>
#include <string_view>

namespace kv884 {

// UTF-8's byte order mark: written where a reader would else guess the local code page, skipped
// where a text editor may have put it.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string toUtf8(std::u16string_view text);
// Appends text as UTF-8 to out, converted in place.
void appendUtf8(std::string& out, std::u16string_view text);
std::u16string fromUtf8(std::string_view utf8);
// True when bytes are well-formed UTF-8 throughout.
bool isUtf8(std::string_view bytes);

}  // namespace kv884

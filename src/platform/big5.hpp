#pragma once
// Big5 as the host code page 950 decodes it (ICU's windows-950 converter): one character for each
// double-byte character, user-defined characters in the private use area (FA40 is U+E000), a pair
// with no mapping as one U+FFFD. Positions in record texts count decoded characters.

#include <string>
#include <string_view>

namespace kv884 {

std::u16string decodeBig5(std::string_view bytes);

// The first n decoded characters of a record, padded with blanks when it decodes shorter.
std::u16string decodeRecord(std::string_view bytes, size_t n);
// The same into text, whose storage is reused.
void decodeRecordInto(std::string_view bytes, size_t n, std::u16string& text);

// The text decodeRecord(bytes, n) gives, decoded only as far as it is asked for: a scan of a key
// page that stops at its third entry decodes three entries. bytes and buffer must outlive it.
class PartialRecordText {
 public:
  PartialRecordText(std::string_view bytes, size_t n, std::u16string& buffer);
  // At least the first min(chars, n) characters of the text.
  std::u16string_view upTo(size_t chars);

 private:
  std::string_view bytes_;
  size_t n_;
  std::u16string& text_;
  size_t at_{0};       // bytes decoded
  size_t decoded_{0};  // characters decoded (or padded)
};

// The code page 950 bytes of text, for the data set builder, appended to out or returned. Throws
// std::invalid_argument naming the first character that has no code page 950 form.
void appendBig5(std::string& out, std::u16string_view text);
std::string encodeBig5(std::u16string_view text);
bool hasBig5Form(char16_t c);

// Columns on a printed page: two for a character that code page 950 writes with two bytes
// (user-defined characters included) and for U+FFFD, one for any other.
int displayWidth(char16_t c);
size_t displayWidth(std::u16string_view text);

}  // namespace kv884

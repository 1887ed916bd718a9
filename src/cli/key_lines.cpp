#include "cli/key_lines.hpp"

#include "dataset/key_kind.hpp"
#include "platform/ascii_text.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace {

// A key box's characters take at most three bytes each of UTF-8; what is kept beyond them only
// shows the line in its result.
constexpr size_t kKeptBytes = 64;

bool isBlank(std::string_view bytes) {
  return bytes.find_first_not_of(" \t") == std::string_view::npos;
}

std::u16string lineNumbered(int64_t number, std::u16string_view what) {
  return u"第 " + decimalText(number) + u" 行" + std::u16string(what);
}

}  // namespace

bool KeyLineReader::next(KeyLine& line) {
  using Traits = std::streambuf::traits_type;
  line.bytes.clear();
  line.cut = false;
  int c = in_.sbumpc();
  if (c == Traits::eof()) return false;
  for (; c != Traits::eof() && c != '\n'; c = in_.sbumpc()) {
    if (line.bytes.size() < kKeptBytes) {
      line.bytes += static_cast<char>(c);
    } else {
      line.cut = true;
    }
  }
  if (!line.cut && !line.bytes.empty() && line.bytes.back() == '\r') line.bytes.pop_back();
  line.number = ++number_;
  if (line.number == 1 && line.bytes.starts_with(kUtf8ByteOrderMark))
    line.bytes.erase(0, kUtf8ByteOrderMark.size());
  return true;
}

LineKey keyOfLine(const KeyLine& line) {
  // Bytes that are not UTF-8 come out as U+FFFD, so the result line can still show the key.
  std::u16string key = fromUtf8(line.bytes);
  const bool utf8 = isUtf8(line.bytes);
  if (line.cut || (utf8 && key.size() > size_t{kKeyBoxLimit}))
    return {key, lineNumbered(line.number, u"的查詢資料超過 " + decimalText(kKeyBoxLimit) +
                                               u" 個字，查詢資料欄容不下")};
  if (!utf8) return {key, lineNumbered(line.number, u"不是 UTF-8 文字")};
  if (isBlank(line.bytes)) return {key, lineNumbered(line.number, u"是空白行，沒有查詢資料")};
  return {key, {}};
}

std::string escapedKey(std::u16string_view key) {
  constexpr std::u16string_view kNamed = u"\\\t\r\n", kLetters = u"\\trn";
  constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string escaped;
  for (char16_t c : key) {
    if (const size_t at = kNamed.find(c); at != std::u16string_view::npos)
      escaped += {u'\\', kLetters[at]};
    else if (c < 0x20 || c == 0x7F)
      escaped += {u'\\', u'x', kHex[c >> 4], kHex[c & 0xF]};
    else
      escaped += c;
  }
  return toUtf8(escaped);
}

}  // namespace kv884

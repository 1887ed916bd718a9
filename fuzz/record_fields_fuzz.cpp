// A fixed-length record of each data file decoded from arbitrary bytes (the first byte picks the
// file), its fields taken by position and its numbers read as the record display and the query
// window read them. Properties: decoding a run agrees with decoding it character by character;
// the record text is that, cut or padded with blanks; record numbers (exponents such as 9e9
// included) fit the window's 32-bit values, so that none wraps into a small record number;
// numeric formats hold only digits, "," "." and a leading "-".

#include <array>
#include <string>
#include <string_view>

#include "dataset/detail_record.hpp"
#include "dataset/display_formats.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_page.hpp"
#include "dataset/numeric_value.hpp"
#include "memory_file.hpp"
#include "platform/big5.hpp"

namespace {

using kv884::fuzz::fail;

// One character at a time: a lead byte followed by a trail byte is one character, any other
// byte one (U+FFFD for a lead byte without a trail byte).
std::u16string charByChar(std::string_view bytes) {
  auto in = [&bytes](size_t at, int low, int high) {
    return at < bytes.size() && static_cast<unsigned char>(bytes[at]) >= low &&
           static_cast<unsigned char>(bytes[at]) <= high;
  };
  std::u16string out;
  for (size_t at = 0; at < bytes.size();) {
    const size_t n =
        in(at, 0x81, 0xFE) && (in(at + 1, 0x40, 0x7E) || in(at + 1, 0xA1, 0xFE)) ? 2 : 1;
    const std::u16string one = kv884::decodeBig5(bytes.substr(at, n));
    if (one.size() != 1) fail("a character decoded into none or several");
    out += one;
    at += n;
  }
  return out;
}

void checkFormat(std::u16string_view text, bool decimals) {
  if (text.empty()) fail("an empty formatted number");
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] >= u'0' && text[i] <= u'9') && text[i] != u',' && (text[i] != u'-' || i > 0) &&
        (text[i] != u'.' || !decimals))
      fail("a formatted number holds a character outside digits, ',' '.' '-'");
}

void checkNumericField(std::u16string_view field) {
  const double value = kv884::numericValue(field);
  checkFormat(kv884::formatCount(value), false);
  checkFormat(kv884::formatQuantity(value, u"Y"), true);
  checkFormat(kv884::formatQuantity(value, u"N"), false);
}

void checkRecordNumber(int64_t n) {
  if (n < 0 || n > 2147483647) fail("a record number the window cannot hold");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kv884;
  if (size < 1) return 0;
  const size_t chars = std::array<size_t, 4>{122, 120, 1800, 1200}[data[0] % 4];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::u16string decoded = decodeBig5(bytes);
  if (decoded != charByChar(bytes))
    fail("decoding a run differs from decoding it character by character");
  std::u16string padded = decoded.substr(0, chars);
  padded.resize(chars, u' ');
  const std::u16string text = decodeRecord(bytes, chars);
  if (text != padded) fail("a record text is not the decoded text cut or padded with blanks");

  checkNumericField(text);
  if (chars == 122) checkNumericField(HolderRecord{text}.transferShares());
  if (chars == 120) {
    const DetailRecord r{text};
    checkNumericField(r.collateralShares());
    checkNumericField(r.collateralCount());
    checkRecordNumber(r.dataRecNo());
    for (int kind = 1; kind <= 4; ++kind) checkRecordNumber(successorOf(keyKind(kind), text));
  }
  for (int kind = 1; kind <= 4; ++kind)
    if (static_cast<size_t>(keyKind(kind).pageChars) == chars)
      for (int entry = 1; entry <= kEntriesPerPage; ++entry)
        checkRecordNumber(KeyPage{keyKind(kind), text}.number(entry));
  return 0;
}

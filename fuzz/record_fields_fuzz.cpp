// A fixed-length record of each of the three data files decoded from arbitrary bytes, its fields
// taken by position and its numeric fields read and formatted as the record display does.
// Properties: the record text has exactly the characters asked for; decoding agrees with a plain
// character-by-character decoding through ICU (one character per valid double-byte pair, U+FFFD
// for a pair without a mapping and for a lead byte without a trail byte); page keys have their
// width; record numbers fit the window's 32-bit values; the numeric value rule never fails and
// its formats hold only digits, "," "." and a leading "-".

#include <unicode/ucnv.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "dataset/detail_record.hpp"
#include "dataset/display_formats.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "dataset/numeric_value.hpp"
#include "memory_file.hpp"
#include "platform/big5.hpp"

namespace {

using kv884::fuzz::fail;

UConverter* converter() {
  static std::unique_ptr<UConverter, void (*)(UConverter*)> c = [] {
    UErrorCode status = U_ZERO_ERROR;
    return std::unique_ptr<UConverter, void (*)(UConverter*)>(ucnv_open("windows-950", &status),
                                                              ucnv_close);
  }();
  return c.get();
}

char16_t icuDecode(const char* bytes, int length) {
  UChar out[4];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter());
  int32_t n = ucnv_toUChars(converter(), out, 4, bytes, length, &status);
  return U_FAILURE(status) || n != 1 ? u'\uFFFD' : out[0];
}

// The decoding rule written out plainly, one ICU call per character.
std::u16string referenceDecode(std::string_view bytes) {
  auto lead = [](unsigned char b) { return b >= 0x81 && b <= 0xFE; };
  auto trail = [](unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE); };
  std::u16string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
    } else if (lead(b) && i + 1 < bytes.size() && trail(static_cast<unsigned char>(bytes[i + 1]))) {
      out += icuDecode(bytes.data() + i, 2);
      ++i;
    } else if (lead(b)) {
      out += u'\uFFFD';
    } else {
      out += icuDecode(bytes.data() + i, 1);
    }
  }
  return out;
}

void checkNumber(std::u16string_view text, bool decimals) {
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    bool ok =
        (c >= u'0' && c <= u'9') || c == u',' || (c == u'-' && i == 0) || (decimals && c == u'.');
    if (!ok) fail("a formatted number holds a character outside digits, ',' '.' '-'");
  }
  if (text.empty()) fail("a formatted number is empty");
}

void checkNumericField(std::u16string_view field) {
  double value = kv884::numericValue(field);
  checkNumber(kv884::formatCount(value), false);
  checkNumber(kv884::formatQuantity(value, u"Y"), true);
  checkNumber(kv884::formatQuantity(value, u"N"), false);
}

constexpr std::array<size_t, 4> kRecordChars{122, 120, 1800, 1200};

// The query window keeps record numbers in 32-bit values: a number read from a field (exponents
// such as 9e9 included) has to fit, so that it never wraps into a small record number.
constexpr int64_t kLargestRecordNumber = 2147483647;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kv884;
  if (size < 1) return 0;
  const size_t chars = kRecordChars[data[0] % kRecordChars.size()];
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  std::u16string decoded = decodeBig5(bytes);
  if (decoded != referenceDecode(bytes)) fail("Big5 decoding differs from the plain decoding");
  if (decoded.size() > bytes.size()) fail("more characters than bytes");

  std::u16string text = decodeRecord(bytes, chars);
  if (text.size() != chars) fail("a record text of the wrong length");
  for (size_t i = 0; i < chars; ++i)
    if (text[i] != (i < decoded.size() ? decoded[i] : u' '))
      fail("a record text is not the decoded text padded with blanks");

  switch (chars) {
    case 122: {
      checkNumericField(HolderRecord{text}.transferShares());
      break;
    }
    case 120: {
      DetailRecord r{text};
      checkNumericField(r.collateralShares());
      checkNumericField(r.collateralCount());
      for (int kind = 0; kind <= 4; ++kind) {
        int64_t n = kind == 0 ? r.dataRecNo() : successorOf(keyKind(kind), text);
        if (n < 0 || n > kLargestRecordNumber) fail("a record number the window cannot hold");
      }
      break;
    }
    default: {
      for (int kindNo = 1; kindNo <= 4; ++kindNo) {
        const KeyKind& kind = keyKind(kindNo);
        if (static_cast<size_t>(kind.pageChars) != chars) continue;
        KeyPage page{kind, text};
        for (int entry = 1; entry <= kEntriesPerPage; ++entry) {
          if (page.key(entry).size() != static_cast<size_t>(kind.keyWidth))
            fail("a page key of the wrong width");
          int64_t n = page.number(entry);
          if (n < 0 || n > kLargestRecordNumber) fail("a record number the window cannot hold");
          if (page.isEmptyEntry(entry) && n != 0) fail("an empty entry that names a record");
        }
      }
    }
  }
  checkNumericField(text);
  return 0;
}

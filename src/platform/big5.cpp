#include "platform/big5.hpp"

#include <unicode/ucnv.h>

#include <array>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace kv884 {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter() {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open("windows-950", &status));
  if (U_FAILURE(status)) throw std::runtime_error("ICU has no windows-950 converter");
  return converter;
}

bool isLeadByte(unsigned char b) {
  return b >= 0x81 && b <= 0xFE;
}
bool isTrailByte(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
}

// Every double-byte character and every single byte decoded once through ICU; decoding a record
// is then a table look-up per character.
class DecodeTable {
 public:
  DecodeTable() {
    Converter converter = openConverter();
    for (int b = 0; b < 256; ++b) single_[b] = decodeOne(converter.get(), {char(b)}, 1);
    for (int lead = 0x81; lead <= 0xFE; ++lead)
      for (int trail = 0; trail < 256; ++trail)
        if (isTrailByte(static_cast<unsigned char>(trail)))
          pair_[(lead - 0x81) * 256 + trail] =
              decodeOne(converter.get(), {char(lead), char(trail)}, 2);
  }

  char16_t single(unsigned char b) const { return single_[b]; }
  char16_t pair(unsigned char lead, unsigned char trail) const {
    return pair_[(lead - 0x81) * 256 + trail];
  }

 private:
  static char16_t decodeOne(UConverter* converter, std::array<char, 2> bytes, int length) {
    UChar out[4];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter);
    int32_t n = ucnv_toUChars(converter, out, 4, bytes.data(), length, &status);
    if (U_FAILURE(status) || n != 1) return kReplacement;
    return out[0];
  }

  std::array<char16_t, 256> single_{};
  std::array<char16_t, 126 * 256> pair_{};
};

const DecodeTable& decodeTable() {
  static const DecodeTable table;
  return table;
}

}  // namespace

std::u16string decodeBig5(std::string_view bytes) {
  const DecodeTable& table = decodeTable();
  std::u16string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
    } else if (isLeadByte(b) && i + 1 < bytes.size() &&
               isTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
      out += table.pair(b, static_cast<unsigned char>(bytes[i + 1]));
      ++i;
    } else if (isLeadByte(b)) {
      out += kReplacement;  // a lead byte without a trail byte: the next byte stands alone
    } else {
      out += table.single(b);
    }
  }
  return out;
}

std::u16string decodeRecord(std::string_view bytes, size_t n) {
  std::u16string text = decodeBig5(bytes);
  text.resize(n, u' ');
  return text;
}

std::string encodeBig5(std::u16string_view text) {
  static std::mutex mutex;
  static Converter converter = [] {
    Converter c = openConverter();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    return c;
  }();
  std::lock_guard lock(mutex);
  std::string out(text.size() * 2 + 4, '\0');
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter.get());
  int32_t n = ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()),
                              reinterpret_cast<const UChar*>(text.data()),
                              static_cast<int32_t>(text.size()), &status);
  if (U_FAILURE(status)) throw std::invalid_argument("text has no code page 950 form");
  out.resize(static_cast<size_t>(n));
  return out;
}

bool isDoubleByte(char16_t c) {
  if (c < 0x80) return false;
  if (c == kReplacement) return true;
  try {
    return encodeBig5(std::u16string_view(&c, 1)).size() == 2;
  } catch (const std::invalid_argument&) {
    return false;
  }
}

}  // namespace kv884

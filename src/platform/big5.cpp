#include "platform/big5.hpp"

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
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

// Every single byte and every double-byte character decoded once through ICU at build time
// (generator/make_big5_table.cpp); decoding a record is a table look-up per character.
#include "big5_decode_table.inc"

class DecodeTable {
 public:
  char16_t single(unsigned char b) const { return kBig5Single[b]; }
  char16_t pair(unsigned char lead, unsigned char trail) const {
    return kBig5Pair[(lead - 0x81) * 256 + trail];
  }
};

const DecodeTable& decodeTable() {
  static constexpr DecodeTable table;
  return table;
}

// Decodes from bytes[at] on into dst until room characters are written or the bytes end; returns
// the number written and leaves at after the last byte taken. Decoding is strictly left to right,
// so the first k characters never depend on what follows them.
size_t decodeSome(std::string_view bytes, size_t& at, char16_t* dst, size_t room) {
  const DecodeTable& table = decodeTable();
  const size_t end = bytes.size();
  size_t written = 0;
  while (written < room && at < end) {
    // A run of ASCII bytes (most of every record) eight at a time.
    while (room - written >= 8 && end - at >= 8) {
      uint64_t eight;
      std::memcpy(&eight, bytes.data() + at, 8);
      if (eight & 0x8080808080808080u) break;
      for (int i = 0; i < 8; ++i) dst[written + i] = static_cast<char16_t>(bytes[at + i]);
      written += 8;
      at += 8;
    }
    if (written == room || at == end) break;
    auto b = static_cast<unsigned char>(bytes[at]);
    if (b < 0x80) {
      dst[written++] = static_cast<char16_t>(b);
      ++at;
    } else if (isLeadByte(b) && at + 1 < end &&
               isTrailByte(static_cast<unsigned char>(bytes[at + 1]))) {
      dst[written++] = table.pair(b, static_cast<unsigned char>(bytes[at + 1]));
      at += 2;
    } else if (isLeadByte(b)) {
      dst[written++] =
          kReplacement;  // a lead byte without a trail byte: the next byte stands alone
      ++at;
    } else {
      dst[written++] = table.single(b);
      ++at;
    }
  }
  return written;
}

}  // namespace

std::u16string decodeBig5(std::string_view bytes) {
  std::u16string out(bytes.size(), u'\0');
  size_t at = 0;
  out.resize(decodeSome(bytes, at, out.data(), bytes.size()));
  return out;
}

std::u16string decodeRecord(std::string_view bytes, size_t n) {
  std::u16string text;
  decodeRecordInto(bytes, n, text);
  return text;
}

void decodeRecordInto(std::string_view bytes, size_t n, std::u16string& text) {
  text.resize(n);
  size_t at = 0;
  size_t written = decodeSome(bytes, at, text.data(), n);
  std::fill(text.begin() + static_cast<std::ptrdiff_t>(written), text.end(), u' ');
}

PartialRecordText::PartialRecordText(std::string_view bytes, size_t n, std::u16string& buffer)
    : bytes_(bytes), n_(n), text_(buffer) {
  text_.resize(n_);
}

std::u16string_view PartialRecordText::upTo(size_t chars) {
  chars = std::min(chars, n_);
  if (decoded_ < chars) {
    decoded_ += decodeSome(bytes_, at_, text_.data() + decoded_, chars - decoded_);
    if (decoded_ < chars) {  // the bytes have ended: the rest of the text is blank
      std::fill(text_.begin() + static_cast<std::ptrdiff_t>(decoded_), text_.end(), u' ');
      decoded_ = n_;
    }
  }
  return std::u16string_view(text_.data(), decoded_);
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
  // Asking the encoder costs a converter call; each character is asked once (0: not yet known).
  static std::array<std::atomic<std::uint8_t>, 0x10000> known{};
  std::atomic<std::uint8_t>& slot = known[c];
  std::uint8_t bytes = slot.load(std::memory_order_relaxed);
  if (bytes == 0) {
    try {
      bytes = encodeBig5(std::u16string_view(&c, 1)).size() == 2 ? 2 : 1;
    } catch (const std::invalid_argument&) {
      bytes = 1;
    }
    slot.store(bytes, std::memory_order_relaxed);
  }
  return bytes == 2;
}

}  // namespace kv884

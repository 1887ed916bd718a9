#include "platform/big5.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace kv884 {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool isLeadByte(unsigned char b) {
  return b >= 0x81 && b <= 0xFE;
}
bool isTrailByte(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
}

// Every single byte and every double-byte character decoded, and every character encoded, once
// through ICU at build time (generator/make_big5_table.cpp): a look-up per character.
#include "big5_tables.inc"

// Decodes from bytes[at] on into dst until room characters are written or the bytes end; returns
// the number written and leaves at after the last byte taken. Decoding is strictly left to right,
// so the first k characters never depend on what follows them.
size_t decodeSome(std::string_view bytes, size_t& at, char16_t* dst, size_t room) {
  static_assert(std::endian::native == std::endian::little);
  const auto* const src = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t end = bytes.size();
  size_t next = at;  // held apart from the caller's, so that no store into dst has to reload it
  size_t written = 0;
  while (written < room && next < end) {
    // A run of ASCII bytes (most of every record) eight at a time, widened from a copy of its own
    // that no store into dst can change, which the compiler does in a few vector instructions;
    // all eight are widened, and those before the first non-ASCII byte are kept (the first byte
    // is the word's lowest).
    while (room - written >= 8 && end - next >= 8) {
      unsigned char eight[8];
      std::memcpy(eight, src + next, 8);
      uint64_t word;
      std::memcpy(&word, eight, 8);
      std::copy(eight, eight + 8, dst + written);
      const auto ascii = static_cast<size_t>(std::countr_zero(word & 0x8080808080808080u) / 8);
      written += ascii;
      next += ascii;
      if (ascii < 8) break;
    }
    if (written == room || next == end) break;
    const unsigned char b = src[next];
    if (b < 0x80) {
      dst[written++] = b;
      ++next;
    } else if (isLeadByte(b) && next + 1 < end && isTrailByte(src[next + 1])) {
      dst[written++] = kBig5Pair[(b - 0x81) * 256 + src[next + 1]];
      next += 2;
    } else if (isLeadByte(b)) {
      dst[written++] =
          kReplacement;  // a lead byte without a trail byte: the next byte stands alone
      ++next;
    } else {
      dst[written++] = kBig5Single[b];
      ++next;
    }
  }
  at = next;
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

void appendBig5(std::string& out, std::u16string_view text) {
  for (char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    uint16_t bytes = kBig5Encode[c];
    if (bytes == 0) {
      char name[16];
      std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
      throw std::invalid_argument(std::string("character ") + name + " has no Big5 form");
    }
    if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
    out += static_cast<char>(bytes & 0xFF);
  }
}

std::string encodeBig5(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  appendBig5(out, text);
  return out;
}

bool hasBig5Form(char16_t c) {
  return c < 0x80 || kBig5Encode[c] != 0;
}

int displayWidth(char16_t c) {
  return c >= 0x80 && (kBig5Encode[c] > 0xFF || c == kReplacement) ? 2 : 1;
}

size_t displayWidth(std::u16string_view text) {
  size_t columns = 0;
  for (char16_t c : text) columns += static_cast<size_t>(displayWidth(c));
  return columns;
}

}  // namespace kv884

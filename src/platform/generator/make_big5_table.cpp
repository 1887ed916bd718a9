// Writes the Big5 tables of platform/big5.cpp as C++ source, computed once through ICU's
// windows-950 converter: for decoding, every single byte and every pair of a lead byte (81 to FE)
// and a trail byte (40 to 7E, A1 to FE), a pair or byte with no mapping as U+FFFD; for encoding,
// the bytes of every UTF-16 code unit from U+0080 on. The encoding table comes from ICU's own
// encoding direction, not from inverting the decoding table: code page 950 decodes a few
// characters from two different pairs, and only one of them is the character's encoding. It runs
// at build time, so the programs start without converting some 24,000 characters first.
//
//   make_big5_table OUTPUT

#include <unicode/ucnv.h>
#include <unicode/uversion.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool isTrailByte(int b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
}

char16_t decodeOne(UConverter* converter, std::array<char, 2> bytes, int length) {
  UChar out[4];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter);
  int32_t n = ucnv_toUChars(converter, out, 4, bytes.data(), length, &status);
  if (U_FAILURE(status) || n != 1) return kReplacement;
  return out[0];
}

// The character's one or two bytes as one number (lead byte high), or 0 when it has no form.
uint16_t encodeOne(UConverter* converter, char16_t c) {
  char out[8];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter);
  int32_t n = ucnv_fromUChars(converter, out, sizeof out, &c, 1, &status);
  if (U_FAILURE(status) || n < 1 || n > 2) return 0;
  auto first = static_cast<unsigned char>(out[0]);
  return n == 1 ? first : static_cast<uint16_t>(first << 8 | static_cast<unsigned char>(out[1]));
}

template <typename T>
void writeArray(std::ostream& out, const char* type, const char* name, const T* values, int count) {
  out << "inline constexpr " << type << " " << name << "[" << count << "] = {\n";
  char hex[16];
  for (int i = 0; i < count; ++i) {
    std::snprintf(hex, sizeof hex, "0x%04X,", static_cast<unsigned>(values[i]));
    out << (i % 12 == 0 ? "    " : " ") << hex << (i % 12 == 11 || i + 1 == count ? "\n" : "");
  }
  out << "};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_big5_table OUTPUT\n";
    return 64;
  }
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open("windows-950", &status);
  ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  if (U_FAILURE(status)) {
    std::cerr << "make_big5_table: ICU has no windows-950 converter\n";
    return 1;
  }
  static std::array<char16_t, 256> single{};
  static std::array<char16_t, 126 * 256> pair{};
  static std::array<uint16_t, 0x10000> encode{};
  for (int b = 0; b < 256; ++b) single[b] = decodeOne(converter, {static_cast<char>(b)}, 1);
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0; trail < 256; ++trail)
      pair[(lead - 0x81) * 256 + trail] =
          isTrailByte(trail)
              ? decodeOne(converter, {static_cast<char>(lead), static_cast<char>(trail)}, 2)
              : char16_t{0};
  for (int c = 0x80; c < 0x10000; ++c) encode[c] = encodeOne(converter, static_cast<char16_t>(c));
  ucnv_close(converter);

  const std::string output = argv[1];
  const std::string partial = output + ".part";
  {
    std::ofstream out(partial, std::ios::binary);
    out << "// Generated at build time by make_big5_table from ICU " << U_ICU_VERSION
        << "'s windows-950 converter.\n"
        << "// Decoding: single bytes, then pairs at (lead - 0x81) * 256 + trail; 0 where the trail"
           " byte is not one.\n"
        << "// Encoding: by UTF-16 code unit, the byte or the pair (lead byte high); 0 below U+0080"
           " and for no form.\n";
    writeArray(out, "char16_t", "kBig5Single", single.data(), 256);
    writeArray(out, "char16_t", "kBig5Pair", pair.data(), 126 * 256);
    writeArray(out, "uint16_t", "kBig5Encode", encode.data(), 0x10000);
    if (!out) {
      std::cerr << "make_big5_table: cannot write " << partial << "\n";
      return 1;
    }
  }
  // std::filesystem::rename replaces an older table on Windows too, where std::rename refuses.
  std::error_code renamed;
  std::filesystem::rename(partial, output, renamed);
  if (renamed) {
    std::cerr << "make_big5_table: cannot write " << output << "\n";
    return 1;
  }
  return 0;
}

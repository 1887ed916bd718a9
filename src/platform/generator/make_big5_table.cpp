// Writes the decoding table of the Big5 decoder (platform/big5.cpp) as C++ source: every single
// byte and every pair of a lead byte (81 to FE) and a trail byte (40 to 7E, A1 to FE) decoded once
// through ICU's windows-950 converter, a pair or byte with no mapping as U+FFFD. It runs at build
// time, so the programs start without converting some 24,000 characters first.
//
//   make_big5_table OUTPUT

#include <unicode/ucnv.h>
#include <unicode/uversion.h>

#include <array>
#include <cstdio>
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

void writeArray(std::ostream& out, const char* name, const char* size, const char16_t* values,
                int count) {
  out << "inline constexpr char16_t " << name << "[" << size << "] = {\n";
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
  if (U_FAILURE(status)) {
    std::cerr << "make_big5_table: ICU has no windows-950 converter\n";
    return 1;
  }
  static std::array<char16_t, 256> single{};
  static std::array<char16_t, 126 * 256> pair{};
  for (int b = 0; b < 256; ++b) single[b] = decodeOne(converter, {static_cast<char>(b)}, 1);
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0; trail < 256; ++trail)
      pair[(lead - 0x81) * 256 + trail] =
          isTrailByte(trail)
              ? decodeOne(converter, {static_cast<char>(lead), static_cast<char>(trail)}, 2)
              : char16_t{0};
  ucnv_close(converter);

  const std::string output = argv[1];
  const std::string partial = output + ".part";
  {
    std::ofstream out(partial, std::ios::binary);
    out << "// Generated at build time by make_big5_table from ICU " << U_ICU_VERSION
        << "'s windows-950 converter.\n"
        << "// Single bytes, then pairs: index (lead - 0x81) * 256 + trail; 0 where the trail byte"
           " is not one.\n";
    writeArray(out, "kBig5Single", "256", single.data(), 256);
    writeArray(out, "kBig5Pair", "126 * 256", pair.data(), 126 * 256);
    if (!out) {
      std::cerr << "make_big5_table: cannot write " << partial << "\n";
      return 1;
    }
  }
  if (std::rename(partial.c_str(), output.c_str()) != 0) {
    std::cerr << "make_big5_table: cannot write " << output << "\n";
    return 1;
  }
  return 0;
}

// Decoding a record in steps (PartialRecordText, as the key page scans do) and decoding ASCII
// eight bytes at a time must give exactly what decoding the whole record at once gives.

#include <gtest/gtest.h>

#include <string>

#include "platform/big5.hpp"

namespace kv884 {
namespace {

// ASCII runs of every length around the eight-byte step, with double-byte characters, a lone
// lead byte and a pair without a mapping between them.
std::string mixedRecord() {
  std::string bytes;
  for (int run = 0; run < 20; ++run) {
    bytes += std::string(static_cast<size_t>(run), static_cast<char>('A' + run));
    bytes += run % 3 == 0 ? "\xB8s" : run % 3 == 1 ? "\xA1\x40" : "\xFA\x40";
  }
  return bytes + "\xA3\xC0" + "X" + "\xA4";
}

TEST(Big5Partial, EveryPrefixIsThePrefixOfTheWholeDecoding) {
  const std::string bytes = mixedRecord();
  const std::u16string whole = decodeRecord(bytes, 300);
  for (size_t step = 1; step <= 40; ++step) {
    std::u16string buffer = u"left over from an earlier page";
    PartialRecordText text(bytes, 300, buffer);
    for (size_t chars = step; chars < 320; chars += step) {
      std::u16string_view got = text.upTo(chars);
      ASSERT_GE(got.size(), std::min<size_t>(chars, 300));
      ASSERT_EQ(got, std::u16string_view(whole).substr(0, got.size())) << step << " " << chars;
    }
    EXPECT_EQ(text.upTo(300), whole);
  }
}

TEST(Big5Partial, ShortRecordsArePaddedAndUsedStorageKeepsNothingOfItsFormerText) {
  std::u16string buffer;
  PartialRecordText text("AB\xB8s", 10, buffer);
  EXPECT_EQ(text.upTo(2), u"AB");
  EXPECT_EQ(text.upTo(10), u"AB群       ");
  std::u16string used = u"0123456789012345678901234567890123456789";
  decodeRecordInto("ABCDEFGHIJ\xB8s", 16, used);
  EXPECT_EQ(used, u"ABCDEFGHIJ群     ");
}

TEST(Big5Partial, AsciiRunsDecodeAsThemselvesAtEveryLength) {
  for (size_t length = 0; length < 40; ++length) {
    std::string bytes;
    for (size_t i = 0; i < length; ++i) bytes += static_cast<char>(0x20 + (i * 7) % 95);
    std::u16string expected(bytes.begin(), bytes.end());
    EXPECT_EQ(decodeBig5(bytes + "\xB8s"), expected + u"群");
    EXPECT_EQ(decodeRecord(bytes, length / 2), expected.substr(0, length / 2));
  }
}

}  // namespace
}  // namespace kv884

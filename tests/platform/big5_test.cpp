#include "platform/big5.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

TEST(Big5Decoding, UserDefinedCharactersLandInThePrivateUseArea) {
  EXPECT_EQ(decodeBig5("\xFA\x40\xFA\x41\xFA\x42"), u"\uE000\uE001\uE002");
  EXPECT_EQ(encodeBig5(u"\uE000"), "\xFA\x40");
  EXPECT_TRUE(isDoubleByte(u'\uE002'));
}

TEST(Big5Decoding, OrdinaryTextDecodesAsTheHostCodePageDoes) {
  EXPECT_EQ(decodeBig5("\xB8s\xACP\xA4\xF4\xAA\x64"), u"群星水泥");
  EXPECT_EQ(decodeBig5("\xA1\x40"), u"\u3000");
  EXPECT_EQ(decodeBig5("\xA3\xE1"), u"€");  // a code page 950 addition to Big5
  EXPECT_EQ(decodeBig5("AZ 09"), u"AZ 09");
}

TEST(Big5Decoding, UnmappedPairIsOneReplacementCharacter) {
  EXPECT_EQ(decodeBig5("\xA3\xC0X"), u"\uFFFDX");
}

TEST(Big5Decoding, LeadByteWithoutTrailByteDoesNotSwallowTheNextCharacter) {
  EXPECT_EQ(decodeBig5("AB\xA4"), u"AB\uFFFD");
  EXPECT_EQ(decodeBig5("\xA4\x0D\x0A"), u"\uFFFD\r\n");
}

TEST(Big5Decoding, DoubleByteCharacterTakesOnePosition) {
  // 11 bytes of account, then a two-byte character in front of the next field: every later
  // field moves one character forward, and the record text still has its full length.
  std::string bytes =
      "12345678901\xB1\x69"
      "ABCDEFGH";
  std::u16string text = decodeRecord(bytes, 20);
  ASSERT_EQ(text.size(), 20u);
  EXPECT_EQ(text.substr(0, 11), u"12345678901");
  EXPECT_EQ(text[11], u'張');
  EXPECT_EQ(text.substr(12, 8), u"ABCDEFGH");
}

TEST(Big5Decoding, RecordTextIsPaddedWithBlanksOrCutToItsLength) {
  EXPECT_EQ(decodeRecord("\xB1\x69"
                         "A",
                         5),
            u"張A   ");
  EXPECT_EQ(decodeRecord("\xB1\x69\xB1\x69\xB1\x69", 2), u"張張");
  // A record of N bytes holding double-byte characters decodes shorter than N: the blanks
  // that make up the difference are part of the text.
  std::string page = "\xB1\x69\xB1\x69\xB1\x69\xB1\x69\xB1\x69\xB1\x69      ";
  EXPECT_EQ(decodeRecord(page, 18), u"張張張張張張" + std::u16string(12, u' '));
}

TEST(Big5Encoding, CharacterWithoutCodePage950FormIsRefused) {
  EXPECT_THROW(encodeBig5(u"\u00E9"), std::invalid_argument);
  EXPECT_FALSE(isDoubleByte(u'A'));
  EXPECT_TRUE(isDoubleByte(u'張'));
}

}  // namespace
}  // namespace kv884

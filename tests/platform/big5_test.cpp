#include "platform/big5.hpp"

#include <gtest/gtest.h>

namespace kv884 {
namespace {

TEST(Big5Decoding, DecodesAsTheHostCodePageDoes) {
  for (auto [bytes, text] : std::vector<std::pair<std::string, std::u16string>>{
           {"\xB8s\xACP\xA4\xF4\xAA\x64", u"群星水泥"},
           {"\xA1\x40", u"\u3000"},
           {"\xA3\xE1", u"€"},  // a code page 950 addition to Big5
           {"AZ 09", u"AZ 09"},
           // User-defined characters land in the private use area.
           {"\xFA\x40\xFA\x41\xFA\x42", u"\uE000\uE001\uE002"},
           // An unmapped pair is one replacement character.
           {"\xA3\xC0X", u"\uFFFDX"},
           // A lead byte without a trail byte does not swallow the next character.
           {"AB\xA4", u"AB\uFFFD"},
           {"\xA4\x0D\x0A", u"\uFFFD\r\n"}}) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(decodeBig5(bytes), text);
  }
}

TEST(Big5Decoding, RecordTextIsPaddedWithBlanksOrCutToItsLength) {
  // 11 bytes of account, then a two-byte character in front of the next field: every later
  // field moves one character forward, and the record text still has its full length.
  EXPECT_EQ(decodeRecord("12345678901\xB1\x69"
                         "ABCDEFGH",
                         20),
            u"12345678901張ABCDEFGH");
  EXPECT_EQ(decodeRecord("\xB1\x69"
                         "A",
                         5),
            u"張A   ");
  EXPECT_EQ(decodeRecord("\xB1\x69\xB1\x69\xB1\x69", 2), u"張張");
  // A record of N bytes holding double-byte characters decodes shorter than N: the blanks
  // that make up the difference are part of the text.
  EXPECT_EQ(decodeRecord("\xB1\x69\xB1\x69\xB1\x69\xB1\x69\xB1\x69\xB1\x69      ", 18),
            u"張張張張張張" + std::u16string(12, u' '));
}

TEST(Big5Encoding, EncodesUserDefinedCharactersAndRefusesCharactersWithoutAForm) {
  EXPECT_EQ(encodeBig5(u"群\uE000"), "\xB8s\xFA\x40");
  EXPECT_THROW(encodeBig5(u"\u00E9"), std::invalid_argument);
  EXPECT_FALSE(isDoubleByte(u'A'));
  EXPECT_TRUE(isDoubleByte(u'張'));
  EXPECT_TRUE(isDoubleByte(u'\uE002'));
}

}  // namespace
}  // namespace kv884

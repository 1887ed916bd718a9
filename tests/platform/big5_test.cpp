#include "platform/big5.hpp"

#include <gtest/gtest.h>

#include <set>

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
  EXPECT_FALSE(hasBig5Form(u'\u00E9'));
}

// Code page 950 decodes ten characters from two pairs each; the encoding is the other pair.
TEST(Big5Encoding, EveryDoubleByteCharacterEncodesBackToItsPairButTheDuplicates) {
  const std::set<std::string> kDuplicates{"\xA2\xA4", "\xA2\xA5", "\xA2\xA6", "\xA2\xA7",
                                          "\xA2\xCC", "\xA2\xCE", "\xF9\xFA", "\xF9\xFB",
                                          "\xF9\xFC", "\xF9\xFD"};
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string text = decodeBig5(pair);
      if (text.size() != 1 || text == u"\uFFFD") continue;
      ++characters;
      const std::string bytes = encodeBig5(text);
      EXPECT_EQ(bytes == pair, !kDuplicates.count(pair)) << lead << " " << trail;
      EXPECT_EQ(decodeBig5(bytes), text);
    }
  EXPECT_EQ(characters, 19720);
}

TEST(DisplayWidth, DoubleByteCharactersOfCodePage950AndTheReplacementTakeTwoColumns) {
  for (auto [c, width] :
       std::vector<std::pair<char16_t, int>>{{u'A', 1},
                                             {u' ', 1},
                                             {u'群', 2},
                                             {u'\u3000', 2},
                                             {u'／', 2},       // full-width slash
                                             {u'ㄅ', 2},       // bopomofo
                                             {u'\uE000', 2},   // user-defined character (Big5 FA40)
                                             {u'\uFFFD', 2},   // a pair with no mapping
                                             {u'\u0E01', 1},   // Thai: no code page 950 form
                                             {u'\u00A0', 1}})  // no-break space
    EXPECT_EQ(displayWidth(c), width) << static_cast<int>(c);
  EXPECT_EQ(displayWidth(u"A群\uFFFD"), 5u);
}

}  // namespace
}  // namespace kv884

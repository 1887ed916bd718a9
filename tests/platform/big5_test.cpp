// Big5 as code page 950 decodes it, whole or in steps, into record texts of a fixed length; the
// encoding back; display widths.

#include "platform/big5.hpp"

#include <gtest/gtest.h>

#include <set>

namespace kv884 {
namespace {

// Rows: code page 950's additions, user-defined characters, a pair without a mapping, a lead
// byte without a trail byte, and ASCII runs of every length around the eight-byte step.
TEST(Big5, DecodingMissesNoCharacterShiftsNoPositionAndPadsTheRecordWithBlanks) {
  std::string runs;
  std::u16string runsText;
  for (int run = 0; run < 20; ++run) {
    runs += std::string(static_cast<size_t>(run), static_cast<char>('A' + run)) + "\xB8s";
    runsText += std::u16string(static_cast<size_t>(run), static_cast<char16_t>(u'A' + run)) + u"群";
  }
  for (auto [bytes, text] : std::vector<std::pair<std::string, std::u16string>>{
           {"\xB8s\xACP\xA1\x40", u"群星\u3000"},
           {"\xA3\xE1\xFA\x40\xFA\x41", u"€\uE000\uE001"},
           {"\xA3\xC0X", u"\uFFFDX"},
           {"AB\xA4", u"AB\uFFFD"},
           {"\xA4\r\n", u"\uFFFD\r\n"},
           {runs, runsText}}) {
    const std::u16string record = text + u"   ";
    std::u16string reused(200, u'x');
    decodeRecordInto(bytes, record.size(), reused);
    EXPECT_EQ(reused, record);
    EXPECT_EQ(decodeRecord(bytes, 2), text.substr(0, 2));
    for (size_t step = 1; step <= 9; ++step) {  // decoded only as far as asked, step by step
      std::u16string buffer = u"left over";
      PartialRecordText partial(bytes, record.size(), buffer);
      for (size_t chars = step; chars < record.size() + step; chars += step) {
        std::u16string_view got = partial.upTo(chars);
        ASSERT_GE(got.size(), std::min(chars, record.size()));
        ASSERT_EQ(got, std::u16string_view(record).substr(0, got.size())) << bytes;
      }
    }
  }
}

TEST(Big5, EveryDoubleByteCharacterEncodesBackToItsPairAndTakesTwoColumns) {
  EXPECT_EQ(encodeBig5(u"A群\uE000"), "A\xB8s\xFA\x40");
  EXPECT_THROW(encodeBig5(u"\u00E9"), std::invalid_argument);
  EXPECT_TRUE(hasBig5Form(u'群') && !hasBig5Form(u'\u00E9'));
  EXPECT_EQ(displayWidth(u"A\u0E01\u00A0"), 3u);  // no Big5 form, or a single byte: one column
  EXPECT_EQ(displayWidth(u'\uFFFD'), 2);          // a pair without a mapping: two
  // Code page 950 decodes ten characters from two pairs each; their encoding is the other pair.
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
      EXPECT_EQ(displayWidth(text[0]), 2) << lead << " " << trail;
      EXPECT_EQ(encodeBig5(text) == pair, !kDuplicates.count(pair)) << lead << " " << trail;
      EXPECT_EQ(decodeBig5(encodeBig5(text)), text);
    }
  EXPECT_EQ(characters, 19720);
}

}  // namespace
}  // namespace kv884

// Each file of the data set written by its format's writer and read back by its reader: the same
// values, each at the character position and in the width the record layouts give (a double-byte
// character counting as one position); and the two text files read from every layout they come in.

#include <gtest/gtest.h>

#include "dataset/count_report.hpp"
#include "dataset/descriptor.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_page.hpp"
#include "platform/ascii_text.hpp"
#include "platform/big5.hpp"
#include "platform/file_error.hpp"
#include "platform/file_table.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

using Items = std::vector<std::u16string>;

// A file holding bytes, open for sequential input.
struct TextFile {
  explicit TextFile(const std::string& bytes) {
    test::writeFile(tmp.path() / "file", bytes);
    files.openInput(1, tmp.text() + u"/file");
  }
  SequentialInput& in() { return files.input(1); }

  test::TempFolder tmp;
  FileTable files;
};

// The text a record's reader gets from the bytes of the text its writer gives: Big5, filled with
// blanks to length bytes, decoded to chars characters.
std::u16string readBack(std::u16string_view written, size_t length, size_t chars) {
  std::string bytes = encodeBig5(written);
  EXPECT_LE(bytes.size(), length);
  bytes.resize(length, ' ');
  return decodeRecord(bytes, chars);
}

// A field as stored at its position (1-based, in characters), and what its reader gives.
struct Field {
  int position, length;
  std::u16string_view stored, read;
};

void expectFields(std::u16string_view text, std::initializer_list<Field> fields) {
  for (const Field& f : fields) {
    EXPECT_EQ(text.substr(size_t(f.position - 1), size_t(f.length)), f.stored) << f.position;
    EXPECT_EQ(f.read, f.stored) << f.position;
  }
}

TEST(DescriptorItems, EveryLayoutGivesTheFourItemsAndAnEarlyEndError62) {
  const std::string name = "\xB8s\xACP\xA4\xF4\xAA\x64";  // 群星水泥
  const Items basic{u"7701", u"群星水泥", u"20150115", u"Y"};
  auto read = [](const std::string& bytes) {
    TextFile file(bytes);
    Items items;
    try {
      while (items.size() < 4) items.push_back(readDescriptorItem(file.in()));
    } catch (const FileError& e) {
      items.push_back(u"error " + fromUtf8(std::to_string(e.number())));
    }
    return items;
  };
  for (auto [bytes, items] : std::vector<std::pair<std::string, Items>>{
           {"\"7701\",\"" + name + "\",\"20150115\",\"Y\"\r\nignored", basic},
           {"7701\r\n" + name + "\r\n20150115\r\nY\r\n", basic},
           {"7701\r" + name + "\n20150115,\"Y\"", basic},  // a lone CR or LF separates too
           // Blanks before items and line breaks between them are skipped, trailing ones cut.
           {"   7701 ,  \"" + name + "\"\r\n\r\n  20150115  \r\n\r\n Y", basic},
           // A quoted item keeps commas and blanks; text after its closing quote is skipped.
           {"\"77,01\",\"A, B \"junk,\" 2015\"xx\r\n\" Y\"", {u"77,01", u"A, B ", u" 2015", u" Y"}},
           {"7701,,20150115,Y", {u"7701", u"", u"20150115", u"Y"}},
           {"7701,N,D,\"Y", {u"7701", u"N", u"D", u"Y"}},  // the last quote left open
           {"\"7701\",\"N\",\"20150115\"\r\n", {u"7701", u"N", u"20150115", u"error 62"}}}) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(read(bytes), items);
    if (items[3] != u"error 62") {  // what the writer writes reads back the same
      EXPECT_EQ(read(encodeBig5(descriptorText({items[0], items[1], items[2], items[3]}))), items);
    }
  }
}

TEST(CountReportLines, CrOrCrLfEndsALineALoneLfStaysEachLineDecodedAndIndented) {
  for (auto [bytes, text] : std::vector<std::pair<std::string, std::u16string>>{
           {"", u""},
           {"ABC", u"\r\n  ABC"},
           {"ABC\r\n", u"\r\n  ABC"},
           {"A\r\r\nB\rC", u"\r\n  A\r\n  \r\n  B\r\n  C"},
           {"A\nB\n", u"\r\n  A\nB\n"},
           {"\xA6X\xADp  30\r\n\xFA\x40", u"\r\n  合計  30\r\n  \uE000"},
           // Written with every line break as CR LF, each line reads back as it was.
           {encodeBig5(countReportText(u"合計  30\nA\r\n\rB\r")),
            u"\r\n  合計  30\r\n  A\r\n  \r\n  B"}}) {
    TextFile file(bytes);
    std::u16string read;
    while (!file.in().atEnd()) read += reportWindowLine(readReportLine(file.in()));
    EXPECT_EQ(read, text) << bytes;
  }
}

TEST(HolderRecordFormat, EachFieldReadsBackFromItsPosition) {
  const std::u16string text =
      readBack(holderRecordText({u"98000000002", u"B223456789", u"0000000000250", u"2", u"1",
                                 u"7705  ", u"A", u"0000000101", u"Y"}),
               122, 122);
  const HolderRecord r{text};
  expectFields(text, {{1, 11, u"98000000002", r.accountNo()},
                      {12, 10, u"B223456789", r.idNo()},
                      {22, 13, u"0000000000250", r.transferShares()},
                      {44, 1, u"2", r.forcedPostingFlag()},
                      {56, 1, u"1", r.dataCategory()},
                      {57, 6, u"7705  ", r.securityCode()},
                      {63, 1, u"A", r.allotmentType()},
                      {81, 10, u"0000000101", r.holderNo()},
                      {91, 1, u"Y", r.perHolderFlag()}});
}

// The name key holds the name's first six characters in double-byte forms.
TEST(DetailRecordFormat, EachFieldReadsBackFromItsPosition) {
  const std::u16string name = u"Sm\uE000th, \"J\" 陳" + std::u16string(7, u' ');
  const std::u16string text =
      readBack(detailRecordText({{u"A123456789", u"60100000001", u"0000000105", nameKeyOf(name)},
                                 {42, {7, 999999, 123456, 1}},
                                 u"0000000120000",
                                 u"03",
                                 name}),
               153, 120);
  const DetailRecord r{text};
  auto next = [&](int kind) { return recordNumberText(successorOf(keyKind(kind), text)); };
  expectFields(text, {{1, 10, u"A123456789", r.idKey()},
                      {11, 11, u"60100000001", r.accountKey()},
                      {22, 6, u"Ｓｍ\uE000ｔｈ，", r.nameKey()},
                      {28, 10, u"0000000105", r.holderNoKey()},
                      {38, 6, u"000042", recordNumberText(r.dataRecNo())},
                      {44, 6, u"000007", next(1)},
                      {50, 6, u"999999", next(2)},
                      {56, 6, u"000001", next(4)},
                      {62, 6, u"123456", next(3)},
                      {72, 13, u"0000000120000", r.collateralShares()},
                      {85, 2, u"03", r.collateralCount()},
                      {94, 19, name, r.holderName()}});
}

// Entries side by side, 18 characters on pages of kinds 1 to 3 and 12 (18 bytes) on name pages;
// the 100th after 99 used ones holds a blank key and 000000.
TEST(KeyPageFormat, EachEntryReadsBackFromItsPosition) {
  auto keyOf = [](int kind, int entry) {
    std::u16string key = decimalText(entry, kind == 4 ? 6 : 12);
    for (char16_t& c : key) c += kind == 4 ? u'\uFF10' - u'0' : 0;  // full-width digits
    return entry < 100 ? key : std::u16string(key.size(), kind == 4 ? u'\u3000' : u' ');
  };
  const struct {
    int kind, entry, keyAt, numberAt;
  } rows[] = {{1, 1, 1, 13},
              {2, 99, 1765, 1777},
              {3, 100, 1783, 1795},
              {4, 99, 1177, 1183},
              {4, 100, 1189, 1195}};
  for (const auto& r : rows) {
    const KeyKind& kind = keyKind(r.kind);
    PageEntries entries;
    for (int e = 1; e < 100; ++e) entries.push_back({keyOf(r.kind, e), 1000 + e});
    const std::u16string text =
        readBack(keyPageText(kind, entries), 1800, r.kind == 4 ? 1200 : 1800);
    EXPECT_EQ(encodeBig5(text).size(), 1800u);  // a name page's 1200 characters as well
    const KeyPage page{kind, text};
    const std::u16string key = keyOf(r.kind, r.entry);
    expectFields(text, {{r.keyAt, int(key.size()), key, page.key(r.entry)},
                        {r.numberAt, 6, r.entry < 100 ? decimalText(1000 + r.entry, 6) : u"000000",
                         recordNumberText(page.number(r.entry))}});
    EXPECT_EQ(page.isEmptyEntry(r.entry), r.entry == 100) << r.kind;
  }
}

}  // namespace
}  // namespace kv884

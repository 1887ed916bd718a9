// The shared fixture data sets, written by an independent producer, read back through the data
// set readers: every chain and page agrees with the layout, and the holders the query window
// shows in the fixtures' expected outputs decode to exactly the texts shown.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <vector>

#include "dataset/data_paths.hpp"
#include "dataset/descriptor_reader.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "platform/big5.hpp"
#include "platform/file_table.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

struct Fixture {
  std::string name;
  std::u16string code;
};

const Fixture kFixtures[] = {{"basic", u"7701"}, {"wide", u"7702"}};

class OpenFixture {
 public:
  explicit OpenFixture(const Fixture& fixture)
      : folder_(fromUtf8(test::fixturePath(fixture.name).string())) {
    files_.openRecords(kKeyIndexFile, keyIndexPath(folder_, fixture.code), kKeyPageLength);
    files_.openRecords(kDetailIndexFile, detailIndexPath(folder_, fixture.code),
                       kDetailRecordLength);
    files_.openRecords(kHolderDataFile, holderDataPath(folder_, fixture.code), kHolderRecordLength);
  }

  std::u16string page(const KeyKind& kind, int64_t recNo) {
    return decodeRecord(files_.readRecord(kKeyIndexFile, recNo), kind.pageChars);
  }
  std::u16string detail(int64_t recNo) {
    return decodeRecord(files_.readRecord(kDetailIndexFile, recNo), kDetailRecordChars);
  }
  std::u16string holder(int64_t recNo) {
    return decodeRecord(files_.readRecord(kHolderDataFile, recNo), kHolderRecordChars);
  }
  int64_t detailCount() const { return files_.recordCount(kDetailIndexFile); }
  const std::u16string& folder() const { return folder_; }

 private:
  std::u16string folder_;
  FileTable files_;
};

std::u16string entryKeyOf(const KeyKind& kind, std::u16string_view keyField) {
  std::u16string key(keyField);
  key.resize(static_cast<size_t>(kind.keyWidth), u' ');
  return key;
}

// Used entries of a page, in page order, as (key, number).
std::vector<std::pair<std::u16string, int64_t>> usedEntries(const KeyPage& page) {
  std::vector<std::pair<std::u16string, int64_t>> entries;
  for (int i = 1; i <= kEntriesPerPage && !page.isEmptyEntry(i); ++i)
    entries.emplace_back(page.key(i), page.number(i));
  return entries;
}

TEST(FixtureReadback, EveryChainVisitsEveryDetailRecordOnceInKeyOrder) {
  for (const Fixture& fixture : kFixtures) {
    OpenFixture set(fixture);
    for (int k = 1; k <= 4; ++k) {
      const KeyKind& kind = keyKind(k);
      SCOPED_TRACE(fixture.name + " kind " + std::to_string(k));

      // Root page -> leaf pages -> runs, flattened in page order.
      std::u16string rootText = set.page(kind, kind.rootPage);
      auto roots = usedEntries(KeyPage{kind, rootText});
      ASSERT_FALSE(roots.empty());
      std::vector<std::pair<std::u16string, int64_t>> runs;
      for (const auto& [rootKey, leafNo] : roots) {
        ASSERT_GT(leafNo, 4) << "a root entry names a root page";
        std::u16string leafText = set.page(kind, leafNo);
        auto leaves = usedEntries(KeyPage{kind, leafText});
        ASSERT_FALSE(leaves.empty());
        EXPECT_EQ(toUtf8(rootKey), toUtf8(leaves.back().first))
            << "root key is not the last key of leaf page " << leafNo;
        runs.insert(runs.end(), leaves.begin(), leaves.end());
      }

      // The chain from the first run's first record to 999999.
      std::vector<std::u16string> chain;  // detail record texts in chain order
      std::vector<int64_t> numbers;
      std::set<int64_t> seen;
      for (int64_t no = runs.front().second; no != kEndOfChain;) {
        ASSERT_TRUE(seen.insert(no).second) << "record " << no << " visited twice";
        ASSERT_LE(static_cast<int64_t>(seen.size()), set.detailCount());
        chain.push_back(set.detail(no));
        numbers.push_back(no);
        no = successorOf(kind, chain.back());
      }
      EXPECT_EQ(static_cast<int64_t>(chain.size()), set.detailCount());
      for (size_t i = 1; i < chain.size(); ++i)
        EXPECT_LE(compareKeys(kind, keyFieldOf(kind, chain[i - 1]), keyFieldOf(kind, chain[i])), 0)
            << "records " << numbers[i - 1] << " and " << numbers[i] << " out of order";

      // Each run starts where the previous one ended; its key is the key of its last record.
      size_t at = 0;
      for (size_t r = 0; r < runs.size(); ++r) {
        ASSERT_LT(at, chain.size());
        EXPECT_EQ(numbers[at], runs[r].second) << "run " << r << " starts elsewhere";
        size_t end = chain.size();
        if (r + 1 < runs.size())
          for (end = at + 1; end < chain.size() && numbers[end] != runs[r + 1].second;) ++end;
        EXPECT_EQ(toUtf8(runs[r].first), toUtf8(entryKeyOf(kind, keyFieldOf(kind, chain[end - 1]))))
            << "run " << r;
        at = end;
      }
      EXPECT_EQ(at, chain.size());
    }
  }
}

TEST(FixtureReadback, RecordTextsHoldNoUndecodableCharacters) {
  for (const Fixture& fixture : kFixtures) {
    OpenFixture set(fixture);
    std::set<char16_t> privateUse;
    for (int64_t no = 1; no <= set.detailCount(); ++no) {
      std::u16string detail = set.detail(no);
      DetailRecord record{detail};
      std::u16string holder = set.holder(record.dataRecNo());
      EXPECT_EQ(detail.find(u'\uFFFD'), std::u16string::npos) << fixture.name << " " << no;
      EXPECT_EQ(holder.find(u'\uFFFD'), std::u16string::npos) << fixture.name << " " << no;
      for (char16_t c : record.holderName())
        if (c >= 0xE000 && c <= 0xF8FF) privateUse.insert(c);
    }
    if (fixture.name == "wide") {
      EXPECT_EQ(privateUse, (std::set<char16_t>{0xE000, 0xE001, 0xE002}));
    }
  }
}

// The string value of "key" in one line of JSON output (no escapes other than \" and \\).
std::optional<std::string> jsonString(const std::string& line, const std::string& key) {
  size_t at = line.find("\"" + key + "\": \"");
  if (at == std::string::npos) return std::nullopt;
  std::string value;
  for (size_t i = at + key.size() + 5; i < line.size(); ++i) {
    if (line[i] == '"') return value;
    if (line[i] == '\\') ++i;
    value += line[i];
  }
  return std::nullopt;
}

TEST(FixtureReadback, ShownHoldersDecodeToTheExpectedFieldTexts) {
  for (const Fixture& fixture : kFixtures) {
    OpenFixture set(fixture);
    FileTable descriptorFile;
    descriptorFile.openInput(kDescriptorFile, descriptorPath(set.folder()));
    readDescriptorItem(descriptorFile.input(kDescriptorFile));
    std::u16string securityName = readDescriptorItem(descriptorFile.input(kDescriptorFile));

    int screens = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::fixturePath(fixture.name))) {
      if (entry.path().string().find(".expected.jsonl") == std::string::npos) continue;
      std::ifstream in(entry.path());
      for (std::string line; std::getline(in, line);) {
        auto holderNo = jsonString(line, "tx_o_02");
        if (!holderNo || holderNo->empty()) continue;
        SCOPED_TRACE(entry.path().filename().string() + ": " + *holderNo);
        int matches = 0;
        for (int64_t no = 1; no <= set.detailCount(); ++no) {
          std::u16string detailText = set.detail(no);
          DetailRecord detail{detailText};
          std::u16string holderText = set.holder(detail.dataRecNo());
          HolderRecord holder{holderText};
          if (toUtf8(holder.holderNo()) != *holderNo) continue;
          ++matches;
          std::u16string marker = holder.forcedPostingFlag() == u"2" ? u"＊" : u"\u3000";
          EXPECT_EQ(toUtf8(detail.holderName()), jsonString(line, "tx_o_03"));
          EXPECT_EQ(toUtf8(holder.idNo()), jsonString(line, "tx_o_04"));
          EXPECT_EQ(toUtf8(marker), jsonString(line, "tx_o_04_x"));
          EXPECT_EQ(toUtf8(holder.accountNo()), jsonString(line, "tx_o_05"));
          EXPECT_EQ(toUtf8(std::u16string(holder.securityCode()) + u"  " + securityName),
                    jsonString(line, "tx_o_01"));
          EXPECT_EQ(toUtf8(holder.dataCategory()), jsonString(line, "tx_o_09"));
          EXPECT_EQ(toUtf8(holder.perHolderFlag()), jsonString(line, "tx_o_24"));
        }
        EXPECT_EQ(matches, 1) << "holder number not found once";
        ++screens;
      }
    }
    EXPECT_GT(screens, 20) << fixture.name;
  }
}

}  // namespace
}  // namespace kv884

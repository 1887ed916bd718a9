// The fixture data sets, written by an independent producer, read back through the data
// set readers: the holders the query window shows in the fixtures' expected outputs decode to
// exactly the texts shown. Their chains and page keys are walked with these same readers by the
// checker's sound-set test (tests/check).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

#include "dataset/data_paths.hpp"
#include "dataset/descriptor_reader.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "platform/big5.hpp"
#include "platform/file_table.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

TEST(FixtureReadback, HoldersDecodeToTheFieldTextsTheExpectedScreensShow) {
  for (auto [name, code] : {std::pair{"basic", u"7701"}, std::pair{"wide", u"7702"}}) {
    SCOPED_TRACE(name);
    std::u16string folder = fromUtf8(test::fixturePath(name).string());
    FileTable files;
    files.openRecords(kDetailIndexFile, detailIndexPath(folder, code), kDetailRecordLength);
    files.openRecords(kHolderDataFile, holderDataPath(folder, code), kHolderRecordLength);
    files.openInput(kDescriptorFile, descriptorPath(folder));
    readDescriptorItem(files.input(kDescriptorFile));
    std::u16string securityName = readDescriptorItem(files.input(kDescriptorFile));

    // Every holder's shown texts by holder number; no text holds an undecodable character.
    std::map<std::string, std::map<std::string, std::string>> shown;
    std::set<char16_t> privateUse;
    for (int64_t no = 1; no <= files.recordCount(kDetailIndexFile); ++no) {
      std::u16string detailText =
          decodeRecord(files.readRecord(kDetailIndexFile, no), kDetailRecordChars);
      DetailRecord detail{detailText};
      std::u16string holderText =
          decodeRecord(files.readRecord(kHolderDataFile, detail.dataRecNo()), kHolderRecordChars);
      HolderRecord holder{holderText};
      EXPECT_EQ((detailText + holderText).find(u'\uFFFD'), std::u16string::npos) << no;
      for (char16_t c : detail.holderName())
        if (c >= 0xE000 && c <= 0xF8FF) privateUse.insert(c);
      auto& texts = shown[toUtf8(holder.holderNo())];
      EXPECT_TRUE(texts.empty()) << "holder number " << toUtf8(holder.holderNo()) << " twice";
      texts = {{"tx_o_03", toUtf8(detail.holderName())},
               {"tx_o_04", toUtf8(holder.idNo())},
               {"tx_o_04_x", holder.forcedPostingFlag() == u"2" ? "＊" : "\u3000"},
               {"tx_o_05", toUtf8(holder.accountNo())},
               {"tx_o_01", toUtf8(std::u16string(holder.securityCode()) + u"  " + securityName)},
               {"tx_o_09", toUtf8(holder.dataCategory())},
               {"tx_o_24", toUtf8(holder.perHolderFlag())}};
    }
    if (std::string(name) == "wide") {
      EXPECT_EQ(privateUse, (std::set<char16_t>{0xE000, 0xE001, 0xE002}));
    }

    int screens = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::fixturePath(name))) {
      if (entry.path().string().find(".expected.jsonl") == std::string::npos) continue;
      std::ifstream in(entry.path());
      for (std::string line; std::getline(in, line);) {
        nlohmann::json boxes = nlohmann::json::parse(line)["boxes"];
        std::string holderNo = boxes.is_object() ? boxes.value("tx_o_02", "") : "";
        if (holderNo.empty()) continue;
        SCOPED_TRACE(entry.path().filename().string() + ": " + holderNo);
        ASSERT_EQ(shown.count(holderNo), 1u);
        for (const auto& [box, text] : shown[holderNo])
          EXPECT_EQ(text, boxes[box].get<std::string>()) << box;
        ++screens;
      }
    }
    EXPECT_GT(screens, 20);
  }
}

}  // namespace
}  // namespace kv884

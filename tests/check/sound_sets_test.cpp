// Sound data sets check sound, with their counts: the fixture data sets from an independent
// producer and the sample set. The checker walks their chains and pages with the data set
// readers, so this is also the read-back of the fixtures' chains and page keys. Sets written by
// the builder are checked in tests/tools.

#include <gtest/gtest.h>

#include "check/data_set_editor.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

TEST(SoundSets, SharedFixturesAndTheSampleSetCheckSoundWithTheirCounts) {
  struct Case {
    fs::path folder;
    std::u16string code;
    int64_t holders;
    std::array<int, 4> leafPages;  // 0: not compared
  };
  for (const Case& c : {Case{fixturePath("basic"), u"7701", 30, {5, 5, 5, 5}},
                        Case{fixturePath("wide"), u"7702", 300, {0, 0, 0, 17}},  // runs of two
                        Case{fs::path(KV884_BUILD_DIR) / "samples" / "demo", {}, 0, {}}}) {
    SCOPED_TRACE(c.folder.string());
    CheckReport report = checkFolder(c.folder);
    EXPECT_TRUE(report.sound()) << describe(report);
    EXPECT_GT(report.detailFile.records, 0);
    if (c.holders == 0) continue;  // the sample set: sound is all it promises
    EXPECT_EQ(report.securityCode, c.code);
    EXPECT_EQ(report.holderFile.records, c.holders);
    EXPECT_EQ(report.detailFile.records, c.holders);
    for (int kind = 0; kind < 4; ++kind) {
      EXPECT_EQ(report.kinds[kind].chainLength, c.holders) << "kind " << kind + 1;
      if (c.leafPages[kind] != 0) {
        EXPECT_EQ(report.kinds[kind].leafPages, c.leafPages[kind]);
      }
    }
  }
}

}  // namespace
}  // namespace kv884::test

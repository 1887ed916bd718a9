// Data sets that are sound check sound, with their counts: the shared fixtures, the sample set
// and sets written by the builder with many leaf pages and long runs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "check/data_set_editor.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

std::string describe(const CheckReport& report) {
  std::string out;
  for (const auto& [key, group] : report.problems.groups())
    for (const Problem& p : group.shown)
      out += std::to_string(static_cast<int>(key.first)) + "/" + std::to_string(key.second) + ": " +
             toUtf8(p.note) + "\n";
  return out;
}

void expectSound(const CheckReport& report, int64_t holders) {
  EXPECT_TRUE(report.sound()) << describe(report);
  EXPECT_EQ(report.holderFile.records, holders);
  EXPECT_EQ(report.detailFile.records, holders);
  for (int kind = 1; kind <= 4; ++kind)
    EXPECT_EQ(report.kinds[kind - 1].chainLength, holders) << "kind " << kind;
}

TEST(SoundSets, SharedFixturesCheckSoundWithTheirPageCounts) {
  CheckReport basic = checkFolder(fixturePath("basic"));
  expectSound(basic, 30);
  for (const KindCounts& k : basic.kinds) EXPECT_EQ(k.leafPages, 5);
  EXPECT_EQ(basic.securityCode, u"7701");

  CheckReport wide = checkFolder(fixturePath("wide"));
  expectSound(wide, 300);
  EXPECT_EQ(wide.kinds[3].leafPages, 17);  // names: runs of two
}

TEST(SoundSets, SampleSetChecksSound) {
  fs::path demo = fs::path(KV884_BUILD_DIR) / "samples" / "demo";
  if (!fs::exists(demo / "ntridx" / "security.txt")) GTEST_SKIP() << "no sample set built";
  CheckReport report = checkFolder(demo);
  EXPECT_TRUE(report.sound()) << describe(report);
  EXPECT_GT(report.detailFile.records, 0);
}

// Sets from the builder: full leaf pages, runs longer than one page entry, the record shuffle.
TEST(SoundSets, BuiltSetsOfManyPagesCheckSound) {
  fs::path mkset = fs::path(KV884_BUILD_DIR) / "tools" / "mkset" / "kv884-mkset";
  if (!fs::exists(mkset)) GTEST_SKIP() << "no data set builder built";
  TempFolder temp;
  for (const char* options : {"--synthetic 5000", "--synthetic 777 --runs-per-page 3"}) {
    fs::path out = temp.path() / "set";
    fs::remove_all(out);
    std::string command =
        mkset.string() + " " + out.string() + " " + options + " --code 1234 > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    CheckReport report = checkFolder(out);
    EXPECT_TRUE(report.sound()) << options << "\n" << describe(report);
    EXPECT_EQ(report.kinds[0].chainLength, report.detailFile.records) << options;
  }
}

}  // namespace
}  // namespace kv884::test

// The viewer never writes into a data set: a read-only copy of each fixture, taken through every
// replay script, the count report and a walk of every key order, is byte for byte and time for
// time what it was; and every file the table of open files holds is open for reading only.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <tuple>

#include "reliability/damaged_set.hpp"

namespace kv884::test {
namespace {

// Every file and folder under root with its bytes and modification time.
std::map<std::string, std::tuple<std::string, time_t, long>> marks(const fs::path& root) {
  std::map<std::string, std::tuple<std::string, time_t, long>> all;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    struct stat st;
    EXPECT_EQ(::stat(entry.path().c_str(), &st), 0);
    all[fs::relative(entry.path(), root).string()] = {
        entry.is_regular_file() ? readFile(entry.path()) : "", st.st_mtim.tv_sec,
        st.st_mtim.tv_nsec};
  }
  return all;
}

void makeReadOnly(const fs::path& root) {
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      fs::permissions(entry.path(),
                      fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_directory())
      fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::group_read | fs::perms::group_exec);
  fs::permissions(root, fs::perms::owner_read | fs::perms::owner_exec);
}

class NeverWrites : public ::testing::TestWithParam<const char*> {};

TEST_P(NeverWrites, EveryReplayAndReportLeavesTheReadOnlySetUnchanged) {
  const std::string fixture = GetParam();
  DamagedSet set(fixture);
  makeReadOnly(set.folder());
  const auto before = marks(set.folder());
  ASSERT_FALSE(before.empty());

  int scripts = 0;
  for (const auto& entry : fs::directory_iterator(fixturePath(fixture))) {
    if (entry.path().extension() != ".replay") continue;
    ++scripts;
    CommandResult run = runQuery({set.folder().string(), "--replay", entry.path().string()});
    EXPECT_EQ(run.status, 0) << entry.path() << run.err;
    fs::path expected = entry.path();
    expected.replace_extension(".expected.jsonl");
    EXPECT_EQ(lineCount(run.out), lineCount(readFile(expected))) << entry.path();
  }
  EXPECT_GE(scripts, 4);
  CommandResult report = runQuery({set.folder().string(), "--report"});
  EXPECT_EQ(report.status, fixture == "basic" ? 0 : 2);
  for (const char* kind : {"id", "account", "holder", "name"}) {
    CommandResult walk = runQuery({set.folder().string(), "--by", kind, "--json"});
    EXPECT_EQ(walk.status, 0) << kind;
  }

  EXPECT_TRUE(marks(set.folder()) == before);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, NeverWrites, ::testing::Values("basic", "wide"));

// The open descriptors of this process that name a file under root, with their access modes.
std::vector<int> accessModesUnder(const fs::path& root) {
  std::vector<int> modes;
  const std::string prefix = fs::canonical(root).string() + "/";
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    fs::path target = fs::read_symlink(entry.path(), ec);
    if (ec || target.string().rfind(prefix, 0) != 0) continue;
    std::string info = readFile(fs::path("/proc/self/fdinfo") / entry.path().filename());
    size_t at = info.find("flags:");
    if (at == std::string::npos) continue;
    int flags = static_cast<int>(std::stol(info.substr(at + 6), nullptr, 8));
    modes.push_back(flags & O_ACCMODE);
  }
  return modes;
}

TEST(FileTableAccess, DataFilesAreOpenForReadingOnly) {
  DamagedSet set;
  ASSERT_TRUE(set.open());
  EXPECT_EQ(accessModesUnder(set.folder()), (std::vector<int>{O_RDONLY, O_RDONLY, O_RDONLY}));
  set.search(1, u"");
  set.program.frm_0.cmd_5_Click();  // the count report opens and closes its file and the descriptor
  EXPECT_EQ(accessModesUnder(set.folder()).size(), 3u);
  set.window().cmd_3_Click();
  EXPECT_TRUE(accessModesUnder(set.folder()).empty());

  set.program.files.openInput(kDescriptorFile, set.folderText() + u"\\ntridx\\security.txt");
  EXPECT_EQ(accessModesUnder(set.folder()), std::vector<int>{O_RDONLY});
  set.program.files.close(kDescriptorFile);
}

}  // namespace
}  // namespace kv884::test

// The viewer never writes into a data set: a read-only copy of each fixture, taken through every
// replay script, the count report and a walk of every key order, is byte for byte and time for
// time what it was; and every file the table of open files holds is open for reading only.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "reliability/damaged_set.hpp"

namespace kv884::test {
namespace {

struct FileMark {
  uint64_t checksum{0};
  uintmax_t size{0};
  struct timespec modified {};
  bool operator==(const FileMark& o) const {
    return checksum == o.checksum && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec;
  }
};

uint64_t fnv1a(const std::string& bytes) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
  return h;
}

// Every file and folder under root with its checksum, size and modification time.
std::map<std::string, FileMark> marks(const fs::path& root) {
  std::map<std::string, FileMark> all;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    struct stat st;
    EXPECT_EQ(::stat(entry.path().c_str(), &st), 0);
    FileMark m;
    m.modified = st.st_mtim;
    if (entry.is_regular_file()) {
      m.size = static_cast<uintmax_t>(st.st_size);
      m.checksum = fnv1a(readFile(entry.path()));
    }
    all[fs::relative(entry.path(), root).string()] = m;
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
  DamagedSet set(fixture, fixture == "basic" ? "7701" : "7702");
  makeReadOnly(set.folder());
  const auto before = marks(set.folder());
  ASSERT_FALSE(before.empty());

  int scripts = 0;
  for (const auto& entry : fs::directory_iterator(fixturePath(fixture))) {
    if (entry.path().extension() != ".replay") continue;
    ++scripts;
    QueryRun run = runQuery({set.folder().string(), "--replay", entry.path().string()});
    EXPECT_EQ(run.status, 0) << entry.path() << run.err;
    fs::path expected = entry.path();
    expected.replace_extension(".expected.jsonl");
    EXPECT_EQ(lineCount(run.out), lineCount(readFile(expected))) << entry.path();
  }
  EXPECT_GE(scripts, 4);
  QueryRun report = runQuery({set.folder().string(), "--report"});
  EXPECT_EQ(report.status, fixture == "basic" ? 0 : 2);
  for (const char* kind : {"id", "account", "holder", "name"}) {
    QueryRun walk = runQuery({set.folder().string(), "--by", kind, "--json"});
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
  Session s(set.folderText());
  ASSERT_TRUE(s.open());
  EXPECT_EQ(accessModesUnder(set.folder()), (std::vector<int>{O_RDONLY, O_RDONLY, O_RDONLY}));
  s.search(1, u"");
  s.program.frm_0.cmd_5_Click();  // the count report opens and closes its file and the descriptor
  EXPECT_EQ(accessModesUnder(set.folder()).size(), 3u);
  s.window().cmd_3_Click();
  EXPECT_TRUE(accessModesUnder(set.folder()).empty());

  s.program.files.openInput(kDescriptorFile, set.folderText() + u"\\ntridx\\security.txt");
  EXPECT_EQ(accessModesUnder(set.folder()), std::vector<int>{O_RDONLY});
  s.program.files.close(kDescriptorFile);
}

}  // namespace
}  // namespace kv884::test

// The writer's files: put in place readable and writable by their owner only, whatever the
// umask (they hold names and ID numbers); a named temporary file left by a process that was
// killed is swept by the next file written to the same target, one of a running process, or of
// another target, stays.

#include "platform/output_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

namespace fs = std::filesystem;

// The number of a process that has ended.
pid_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(OutputFile, IsItsOwnersOnlyAndSweepsTheTemporaryFilesOfEndedProcesses) {
  struct Case {
    std::string name;
    bool swept;
  };
  const std::string ended = std::to_string(endedProcess());
  const Case kCases[] = {
      {".o.csv.kv884-" + ended + "-a1b2c3", true},
      {".o.csv.kv884-" + std::to_string(::getpid()) + "-a1b2c3", false},
      {".p.csv.kv884-" + ended + "-a1b2c3", false},
      {".o.csv.kv884-" + ended + "-a1b2c", false},
  };
  test::TempFolder folder;
  for (const Case& c : kCases) test::writeFile(folder.path() / c.name, "left");
  const mode_t umask = ::umask(0);
  OutputFile file((folder.path() / "o.csv").string());
  file.write("new");
  file.commit();
  ::umask(umask);
  for (const Case& c : kCases) EXPECT_EQ(fs::exists(folder.path() / c.name), !c.swept) << c.name;
  EXPECT_EQ(test::readFile(folder.path() / "o.csv"), "new");
  EXPECT_EQ(fs::status(folder.path() / "o.csv").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace kv884

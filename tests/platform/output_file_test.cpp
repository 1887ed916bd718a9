// The writer's temporary files: a named one left by a process that was killed is swept by the
// next file written to the same target; one of a running process, or of another target, stays.

#include "platform/output_file.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.hpp"

namespace kv884 {
namespace {

// The number of a process that has ended.
pid_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(OutputFile, SweepsTheTemporaryFilesOfEndedProcessesForItsTarget) {
  struct Case {
    std::string name;
    bool swept;
  };
  const std::string ended = std::to_string(endedProcess());
  const std::string running = std::to_string(::getpid());
  const Case kCases[] = {
      {".o.csv.kv884-" + ended + "-a1b2c3", true},   {".o.csv.kv884-" + running + "-a1b2c3", false},
      {".p.csv.kv884-" + ended + "-a1b2c3", false},  {".o.csv.kv884-" + ended + "-a1b2c", false},
      {".o.csv.kv884-x" + ended + "-a1b2c3", false},
  };
  test::TempFolder folder;
  for (const Case& c : kCases) test::writeFile(folder.path() / c.name, "left");
  OutputFile file((folder.path() / "o.csv").string());
  file.write("new");
  file.commit();
  for (const Case& c : kCases)
    EXPECT_EQ(std::filesystem::exists(folder.path() / c.name), !c.swept) << c.name;
  EXPECT_EQ(test::readFile(folder.path() / "o.csv"), "new");
}

}  // namespace
}  // namespace kv884

// kv884's command line in this process: --help and --version answer on standard output; a usage
// error, a font that cannot be read included, is one line on standard error and status 64.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "gui/desktop_command_line.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

TEST(CommandLine, AnswersBeforeAnyWindowAndRefusesBadUsage) {
  TempFolder temp;
  const std::string fifo = (temp.path() / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out;  // what standard output holds
    std::string err;  // the end of standard error ("": nothing)
  } cases[] = {
      {{"--help"}, 0, "--eudc-font FILE", ""},
      {{"--version"}, 0, "kv884 " KV884_VERSION "\n", ""},
      {{"--bogus"}, 64, "", "(--help shows the usage)\n"},
      {{"one", "two"}, 64, "", "one FOLDER at most, not one two (--help shows the usage)\n"},
      {{"--eudc-font", "/missing/eudc.tte"},
       64,
       "",
       "/missing/eudc.tte: 53 找不到檔案 (--help shows the usage)\n"},
      // Refused without waiting for a writer.
      {{"--eudc-font", fifo}, 64, "", fifo + ": 75 路徑/檔案存取錯誤 (--help shows the usage)\n"},
      {{"--eudc-font", "/tmp"}, 64, "", "/tmp: 75 路徑/檔案存取錯誤 (--help shows the usage)\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    DesktopArguments arguments;
    EXPECT_EQ(readDesktopCommandLine(c.args, out, err, arguments), c.status) << c.args[0];
    EXPECT_NE(out.str().find(c.out), std::string::npos) << c.args[0] << "\n" << out.str();
    EXPECT_TRUE(c.err.empty() ? err.str().empty() : err.str().ends_with(c.err)) << c.args[0] << "\n"
                                                                                << err.str();
  }
}

}  // namespace
}  // namespace kv884::test

// kv884's command line, read before any window system is needed: --help and --version answer on
// standard output without a display; a usage error is one line on standard error and status 64.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/command.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

TEST(CommandLine, AnswersWithoutADisplayAndRefusesBadUsage) {
  TempFolder temp;
  const std::string fifo = (temp.path() / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string arguments;
    int status;
    std::string out;  // what standard output holds
    std::string err;  // the end of standard error ("": nothing)
  } cases[] = {
      {"--help", 0, "--eudc-font <FILE>", ""},
      {"--version", 0, "kv884 " KV884_VERSION "\n", ""},
      {"--help >/dev/full", 2, "", "kv884: 標準輸出無法寫入：57 裝置 I/O 錯誤\n"},
      {"--bogus", 64, "", "(--help shows the usage)\n"},
      {"one two", 64, "", "one FOLDER at most, not one two (--help shows the usage)\n"},
      {"--eudc-font /missing/eudc.tte", 64, "",
       "/missing/eudc.tte: 53 找不到檔案 (--help shows the usage)\n"},
      // Refused before any window, without waiting for a writer.
      {"--eudc-font " + fifo, 64, "", fifo + ": 75 路徑/檔案存取錯誤 (--help shows the usage)\n"},
      {"--eudc-font /tmp", 64, "", "/tmp: 75 路徑/檔案存取錯誤 (--help shows the usage)\n"},
  };
  for (const auto& c : cases) {
    const CommandResult r =
        runCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash -c " +
                       shellQuote(shellQuote(KV884_GUI_BIN) + " " + c.arguments),
                   {}, 20);
    EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.err;
    EXPECT_NE(r.out.find(c.out), std::string::npos) << c.arguments << "\n" << r.out;
    EXPECT_TRUE(c.err.empty() ? r.err.empty() : r.err.ends_with(c.err)) << c.arguments << "\n"
                                                                        << r.err;
  }
}

}  // namespace
}  // namespace kv884::test

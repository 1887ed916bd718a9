// kv884's command line, read before any window system is needed: --help and --version answer on
// standard output without a display; a usage error is one line on standard error and status 64.

#include <gtest/gtest.h>

#include "support/command.hpp"

namespace kv884::test {
namespace {

TEST(CommandLine, AnswersWithoutADisplayAndRefusesBadUsage) {
  const struct {
    const char* arguments;
    int status;
    const char* out;  // what standard output holds
    size_t errLines;
  } cases[] = {
      {"--help", 0, "--eudc-font <FILE>", 0},
      {"--version", 0, "kv884 " KV884_VERSION "\n", 0},
      {"--bogus", 64, "", 1},
      {"one two", 64, "", 1},
      {"--eudc-font /missing/eudc.tte", 64, "", 1},
  };
  for (const auto& c : cases) {
    const CommandResult r = runCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                       shellQuote(KV884_GUI_BIN) + " " + c.arguments);
    EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.err;
    EXPECT_NE(r.out.find(c.out), std::string::npos) << c.arguments << "\n" << r.out;
    EXPECT_EQ(lineCount(r.err), c.errLines) << c.arguments << "\n" << r.err;
  }
}

}  // namespace
}  // namespace kv884::test

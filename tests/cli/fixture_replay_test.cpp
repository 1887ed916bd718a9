// The shared fixtures' replay scripts, run through kv884-query, give their expected lines: every
// screen, message and button state as an independent producer worked them out.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/command.hpp"
#include "support/json_value.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) out.push_back(line);
  return out;
}

std::vector<fs::path> replayScripts() {
  std::vector<fs::path> scripts;
  for (const char* set : {"basic", "wide"})
    for (const auto& entry : fs::directory_iterator(fixturePath(set)))
      if (entry.path().extension() == ".replay") scripts.push_back(entry.path());
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

TEST(FixtureReplay, EveryScriptPrintsItsExpectedLines) {
  std::vector<fs::path> scripts = replayScripts();
  ASSERT_GE(scripts.size(), 9u);
  for (const fs::path& script : scripts) {
    SCOPED_TRACE(script.filename().string());
    CommandResult r =
        runCommand(shellQuote(queryBinary()) + " " + shellQuote(script.parent_path().string()) +
                   " --replay " + shellQuote(script.string()));
    ASSERT_EQ(r.status, 0) << r.err;
    fs::path expectedFile = script;
    expectedFile.replace_extension(".expected.jsonl");
    std::vector<std::string> got = lines(r.out);
    std::vector<std::string> expected = lines(readFile(expectedFile));
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i)
      EXPECT_EQ(parseJson(got[i]), parseJson(expected[i])) << "line " << i + 1 << "\n"
                                                           << got[i] << "\n"
                                                           << expected[i];
  }
}

TEST(FixtureReplay, ScriptFromStandardInputMatchesTheFile) {
  fs::path script = fixturePath("basic") / "paging.replay";
  CommandResult fromFile =
      runCommand(shellQuote(queryBinary()) + " " + shellQuote(fixturePath("basic").string()) +
                 " --replay " + shellQuote(script.string()));
  CommandResult fromStdin = runCommand(
      shellQuote(queryBinary()) + " " + shellQuote(fixturePath("basic").string()) + " --replay -",
      readFile(script));
  EXPECT_EQ(fromStdin.status, 0);
  EXPECT_EQ(fromStdin.out, fromFile.out);
}

TEST(FixtureReport, ReportIsPrintedByteForByte) {
  CommandResult r = runCommand(shellQuote(queryBinary()) + " " +
                               shellQuote(fixturePath("basic").string()) + " --report");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, readFile(fixturePath("basic") / "report.expected.txt"));
}

}  // namespace
}  // namespace kv884::test

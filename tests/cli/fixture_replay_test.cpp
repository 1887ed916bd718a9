// The fixture data sets' replay scripts, run through kv884-query, give their expected lines: every
// screen, message and button state as an independent producer worked them out.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/command.hpp"
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

TEST(FixtureReplay, EveryScriptPrintsItsExpectedLinesFromAFileAndFromStandardInput) {
  int scripts = 0;
  for (const char* set : {"basic", "wide"})
    for (const auto& entry : fs::directory_iterator(fixturePath(set))) {
      const fs::path& script = entry.path();
      if (script.extension() != ".replay") continue;
      SCOPED_TRACE(script.filename().string());
      ++scripts;
      CommandResult r = runQuery({script.parent_path(), "--replay", script});
      ASSERT_EQ(r.status, 0) << r.err;
      std::vector<std::string> got = lines(r.out);
      std::vector<std::string> expected =
          lines(readFile(fs::path(script).replace_extension(".expected.jsonl")));
      ASSERT_EQ(got.size(), expected.size());
      for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(nlohmann::json::parse(got[i]), nlohmann::json::parse(expected[i]))
            << "line " << i + 1 << "\n"
            << got[i] << "\n"
            << expected[i];
      CommandResult fromStdin = runQuery({script.parent_path(), "--replay", "-"}, readFile(script));
      EXPECT_EQ(fromStdin.status, 0);
      EXPECT_EQ(fromStdin.out, r.out);
    }
  EXPECT_GE(scripts, 9);
}

TEST(FixtureReport, ReportIsPrintedByteForByte) {
  CommandResult r = runQuery({fixturePath("basic"), "--report"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, readFile(fixturePath("basic") / "report.expected.txt"));
}

}  // namespace
}  // namespace kv884::test

#include "support/printed_pages.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "startwin/report_window.hpp"
#include "support/fixture_set.hpp"

namespace kv884::test {

void printSamplePages(PrintSurface& printer) {
  FixtureSet set;
  set.open();
  set.program.printer = &printer;
  set.search(1, u"B1200003");
  set.window().cmd_4_Click();
  set.program.frm_0.cmd_5_Click();
  set.program.reportWindow()->cmd_1_Click();
}

std::filesystem::path expectedRunsFile() {
  return std::filesystem::path(KV884_SOURCE_DIR) / "tests" / "support" / "printed_pages_150dpi.txt";
}

std::vector<TextRun> readRuns(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<TextRun> runs;
  TextRun run{};
  while (in >> run.x >> run.y && in.get() == ' ' && std::getline(in, run.text)) runs.push_back(run);
  return runs;
}

std::string formatRuns(const std::vector<TextRun>& runs) {
  std::string text;
  for (const TextRun& run : runs)
    text += std::to_string(run.x) + ' ' + std::to_string(run.y) + ' ' + run.text + '\n';
  return text;
}

std::string misplacedRuns(const std::vector<TextRun>& expected,
                          const std::vector<TextRun>& actual) {
  std::string misplaced;
  const auto shown = [](const TextRun* run) { return run ? formatRuns({*run}) : "(none)\n"; };
  for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const TextRun* e = i < expected.size() ? &expected[i] : nullptr;
    const TextRun* a = i < actual.size() ? &actual[i] : nullptr;
    if (e && a && e->text == a->text && std::abs(e->x - a->x) <= 1 && std::abs(e->y - a->y) <= 1)
      continue;
    misplaced += shown(e) + "→ " + shown(a);
  }
  return misplaced;
}

}  // namespace kv884::test

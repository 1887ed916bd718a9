#pragma once
// The record page and the count report page as the desktop programs print them, reduced to where
// each text stands at 150 dpi: one line "x y text" a run, the lines of the Qt program's pages
// kept in printed_pages_150dpi.txt (gui_tests writes it anew with KV884_WRITE_PRINTED_PAGES set),
// against which the Win32 program's pages are held.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/print_surface.hpp"

namespace kv884::test {

inline constexpr double kComparedDotsPerInch = 150;

struct TextRun {
  int x;             // pixels at kComparedDotsPerInch from the left of the printable area
  int y;             // of the top of the line
  std::string text;  // UTF-8
};

// The record of B1200003 and the count report of the basic fixture, printed on printer.
void printSamplePages(PrintSurface& printer);

// The runs as the Qt program prints them, one "x y text" line each.
std::filesystem::path expectedRunsFile();
std::vector<TextRun> readRuns(const std::filesystem::path& file);
std::string formatRuns(const std::vector<TextRun>& runs);

// Each run that stands elsewhere (more than a pixel away) or says something else, as lines
// "expected → actual"; a missing or extra run as well. Empty when the pages match.
std::string misplacedRuns(const std::vector<TextRun>& expected, const std::vector<TextRun>& actual);

}  // namespace kv884::test

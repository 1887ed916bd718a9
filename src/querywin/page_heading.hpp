#pragma once
// Both printed pages of the program, the record page and the count report, begin alike: a blank
// line and the title in 20 points of 細明體, then a blank line in 12 points.

#include <string_view>

#include "platform/face_names.hpp"
#include "platform/print_surface.hpp"

namespace kv884 {

// The office whose register the program shows: the windows' banner and the printed pages name it.
inline constexpr std::u16string_view kOfficeName = u"鴻澤證券登錄託存處";

inline void printPageHeading(PrintSurface& printer, std::u16string_view title) {
  printer.setFontSize(20);
  printer.setFontName(std::u16string(kMingFace));
  printer.printLine({u" "});
  printer.printLine({std::u16string(title)});
  printer.setFontSize(12);
  printer.printLine({u" "});
}

}  // namespace kv884

#pragma once
// The faces the windows and the printouts name (細明體, 新細明體, 標楷體, Arial) as Windows' own
// families, with a fallback where the PC lacks one.

#include <windows.h>

#include <string>
#include <string_view>

namespace kv884 {

struct FaceAndSize {
  std::u16string_view face;  // as the windows and printouts name it
  double points;
  bool bold{false};
  bool operator==(const FaceAndSize&) const = default;
};

// The installed family that draws face: its Windows name when installed, else the first
// installed fallback, else the Windows name (and GDI's font mapper picks).
std::wstring installedFamily(HDC dc, std::u16string_view face);

// A GDI font of the face and size wanted, at dpi dots per inch; the caller deletes it.
HFONT createFont(HDC dc, const FaceAndSize& wanted, int dpi);

}  // namespace kv884

#pragma once
// Where each control of the three windows stands, in twips (1/1440 inch; 15 twips make one pixel
// at 96 dpi, the scale of a screen at 100 %). A line is a control of height 0 running from (left,
// top) to (left + width, top). The captions and texts are the windows' control data.

#include <span>
#include <string_view>

namespace kv884 {

struct ControlPlace {
  std::string_view name;  // the control's name, also the widget's object name
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

struct PixelSize {
  int width;
  int height;
};

struct PixelRect {
  int left;
  int top;
  int width;
  int height;
};

// The pixel rectangle of a place on a screen of dpi dots per inch; a line is one pixel high.
PixelRect pixelRect(const ControlPlace& place, int dpi = kDefaultDpi);

// A window's controls and the area they are laid out on (the client area of the start and count
// report windows, the part of the maximised query window that holds controls).
struct WindowLayout {
  int width;  // twips
  int height;
  std::span<const ControlPlace> places;

  PixelSize pixelSize(int dpi = kDefaultDpi) const;
  // Throws std::logic_error for a control the table does not name.
  const ControlPlace& place(std::string_view name) const;
};

const WindowLayout& startLayout();
const WindowLayout& queryLayout();
const WindowLayout& reportLayout();

}  // namespace kv884

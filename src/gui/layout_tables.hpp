#pragma once
// Where each control of the three windows stands, in twips (1/1440 inch; 15 twips make one pixel
// at 96 dpi). A line is a control of height 0 running from (left, top) to (left + width, top).
// The captions and texts are the windows' control data.

#include <QRect>
#include <QSize>
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

inline constexpr int kTwipsPerPixel = 15;

// The pixel rectangle of a place; a line is one pixel high.
QRect pixelRect(const ControlPlace& place);
QSize pixelSize(int widthTwips, int heightTwips);

std::span<const ControlPlace> startLayout();
std::span<const ControlPlace> queryLayout();
std::span<const ControlPlace> reportLayout();

// Client areas in twips.
inline constexpr int kStartClientWidth = 7215;
inline constexpr int kStartClientHeight = 5910;
inline constexpr int kQueryLayoutWidth = 12000;
inline constexpr int kQueryLayoutHeight = 8400;
inline constexpr int kReportClientWidth = 12105;
inline constexpr int kReportClientHeight = 8160;

}  // namespace kv884

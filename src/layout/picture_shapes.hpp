#pragma once
// The pictures of the windows, drawn by each view: the banner with the depository organisation's
// name, and the two arrow pictures of the paging buttons. Coordinates in the picture's pixels.

#include <array>

namespace kv884 {

struct PicturePoint {
  int x;
  int y;
};

struct PictureBox {
  int left;
  int top;
  int width;
  int height;
};

// The office name in black bold brush-script characters of 29 pixels, centred on light grey.
inline constexpr int kBannerWidth = 284;
inline constexpr int kBannerHeight = 47;
inline constexpr int kBannerTextPixels = 29;
inline constexpr unsigned kBannerGrey = 0xD4;

// Two blue-edged pages of grey lines of text, a line every third pixel, with a grey arrow over
// them, drawn pointing left; the right-pointing picture is its mirror image.
inline constexpr int kArrowPictureWidth = 45;
inline constexpr int kArrowPictureHeight = 31;
inline constexpr std::array<PictureBox, 2> kArrowPages{{{20, 1, 20, 24}, {24, 5, 20, 24}}};
// Colours as 0xRRGGBB.
inline constexpr unsigned kPageEdge = 0x0000C0;
inline constexpr unsigned kPageLines = 0x404080;
inline constexpr unsigned kArrowEdge = 0x404040;
inline constexpr unsigned kArrowFill = 0x808080;
inline constexpr std::array<PicturePoint, 7> kArrowOutline{
    {{1, 15}, {14, 3}, {14, 10}, {30, 10}, {30, 20}, {14, 20}, {14, 27}}};

enum class ArrowDirection { Left, Right };

}  // namespace kv884

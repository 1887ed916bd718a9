#pragma once
// The pictures of the windows, drawn by the program: the banner with the depository
// organisation's name, and the two arrow pictures of the paging buttons.

#include <QPixmap>

namespace kv884 {

inline constexpr int kBannerWidth = 284;
inline constexpr int kBannerHeight = 47;
inline constexpr int kArrowPictureWidth = 45;
inline constexpr int kArrowPictureHeight = 31;

enum class ArrowDirection { Left, Right };

// The office name in black brush-script characters on light grey, 284 x 47 pixels.
QPixmap drawBanner();

// Two blue-edged pages of lines with a grey arrow over them, 45 x 31 pixels.
QPixmap drawArrowPicture(ArrowDirection direction);

}  // namespace kv884

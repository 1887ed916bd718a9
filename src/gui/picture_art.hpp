#pragma once
// The pictures of the windows, drawn by the program: the banner with the depository
// organisation's name, and the two arrow pictures of the paging buttons.

#include <QPixmap>

#include "layout/picture_shapes.hpp"

namespace kv884 {

// The office name in black brush-script characters on light grey, 284 x 47 pixels.
QPixmap drawBanner();

// Two blue-edged pages of lines with a grey arrow over them, 45 x 31 pixels.
QPixmap drawArrowPicture(ArrowDirection direction);

}  // namespace kv884

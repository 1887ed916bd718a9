#pragma once
// The banner and the arrow pictures of the windows as GDI bitmaps; the caller deletes them.

#include <windows.h>

#include "layout/picture_shapes.hpp"

namespace kv884 {

HBITMAP drawBanner();
HBITMAP drawArrowPicture(ArrowDirection direction);

}  // namespace kv884

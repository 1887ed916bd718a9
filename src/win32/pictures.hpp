#pragma once
// The banner and the arrow pictures of the windows as GDI bitmaps; the caller deletes them.
// A picture button draws itself: its border as every push button's, its picture inside.

#include <windows.h>

#include "layout/picture_shapes.hpp"

namespace kv884 {

HBITMAP drawBanner();
// Greyed, the picture of a disabled button.
HBITMAP drawArrowPicture(ArrowDirection direction, bool greyed);
// An owner-drawn button (BS_OWNERDRAW) with an arrow picture in place of its caption.
void drawPictureButton(const DRAWITEMSTRUCT& item, HBITMAP picture);

}  // namespace kv884

#include "win32/pictures.hpp"

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/face_names.hpp"
#include "querywin/page_heading.hpp"
#include "win32/window_faces.hpp"

namespace kv884 {
namespace {

COLORREF gdiColour(unsigned rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A bitmap of the screen's format, filled with background and drawn on by draw.
HBITMAP drawBitmap(int width, int height, COLORREF background,
                   const std::function<void(HDC)>& draw) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ before = SelectObject(dc, bitmap);
  HBRUSH fill = CreateSolidBrush(background);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, fill);
  DeleteObject(fill);
  draw(dc);
  SelectObject(dc, before);
  DeleteDC(dc);
  return bitmap;
}

// Pen and brush selected into dc for the life of the guard.
class Paint {
 public:
  Paint(HDC dc, unsigned edge, HBRUSH fill)
      : dc_(dc), pen_(CreatePen(PS_SOLID, 1, gdiColour(edge))), fill_(fill) {
    oldPen_ = SelectObject(dc_, pen_);
    oldBrush_ = SelectObject(dc_, fill_);
  }
  ~Paint() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    DeleteObject(pen_);
    DeleteObject(fill_);
  }
  Paint(const Paint&) = delete;
  Paint& operator=(const Paint&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HBRUSH fill_;
  HGDIOBJ oldPen_;
  HGDIOBJ oldBrush_;
};

void drawPage(HDC dc, const PictureBox& page, int (*x)(int)) {
  {
    Paint edge(dc, kPageEdge, CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF)));
    Rectangle(dc, x(page.left), page.top, x(page.left + page.width + 1),
              page.top + page.height + 1);
  }
  Paint lines(dc, kPageLines, CreateSolidBrush(0));
  for (int y = page.top + 4; y < page.top + page.height - 2; y += 3) {
    MoveToEx(dc, x(page.left + 3), y, nullptr);
    LineTo(dc, x(page.left + page.width - 2), y);
  }
}

// The shade of a disabled picture, as Qt greys an icon: each pixel's grey, squeezed into the
// lighter part of a scale that runs from black through the button's face to white.
BYTE disabledShade(BYTE face, int step) {
  return static_cast<BYTE>(step < 128 ? face * 2 * step / 256
                                      : std::min(face + 2 * (step - 128), 255));
}

void greyOut(HBITMAP bitmap, int width, int height, COLORREF face) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<RGBQUAD> pixels(static_cast<size_t>(width * height));
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  int faceIntensity = (77 * GetRValue(face) + 150 * GetGValue(face) + 28 * GetBValue(face)) / 255;
  if (faceIntensity <= 128) faceIntensity -= 51;  // a dark face needs the darker shades
  for (RGBQUAD& p : pixels) {
    if (RGB(p.rgbRed, p.rgbGreen, p.rgbBlue) == face) continue;  // the background stays the face
    const int step =
        (p.rgbRed * 11 + p.rgbGreen * 16 + p.rgbBlue * 5) / 32 / 3 + 130 - faceIntensity / 3;
    p = {disabledShade(GetBValue(face), step), disabledShade(GetGValue(face), step),
         disabledShade(GetRValue(face), step), 0};
  }
  SetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
}

int asDrawn(int x) {
  return x;
}
int mirrored(int x) {
  return kArrowPictureWidth - x;
}

}  // namespace

HBITMAP drawBanner() {
  const unsigned grey = kBannerGrey;
  return drawBitmap(kBannerWidth, kBannerHeight, RGB(grey, grey, grey), [](HDC dc) {
    LOGFONTW face{};
    face.lfHeight = -kBannerTextPixels;
    face.lfWeight = FW_BOLD;
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynW(face.lfFaceName, installedFamily(dc, kKaiFace).c_str(), LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&face);
    HGDIOBJ before = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT all{0, 0, kBannerWidth, kBannerHeight};
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(kOfficeName.data()),
              static_cast<int>(kOfficeName.size()), &all,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, before);
    DeleteObject(font);
  });
}

HBITMAP drawArrowPicture(ArrowDirection direction, bool greyed) {
  int (*x)(int) = direction == ArrowDirection::Left ? asDrawn : mirrored;
  // On the button's face, which it is drawn over: the scaled edges blend into it as into a
  // transparent background.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  HBITMAP picture = drawBitmap(kArrowPictureWidth, kArrowPictureHeight, face, [x](HDC dc) {
    for (const PictureBox& page : kArrowPages) drawPage(dc, page, x);
    POINT outline[kArrowOutline.size()];
    for (size_t i = 0; i < kArrowOutline.size(); ++i)
      outline[i] = {x(kArrowOutline[i].x), kArrowOutline[i].y};
    Paint arrow(dc, kArrowEdge, CreateSolidBrush(gdiColour(kArrowFill)));
    Polygon(dc, outline, static_cast<int>(kArrowOutline.size()));
  });
  if (greyed) greyOut(picture, kArrowPictureWidth, kArrowPictureHeight, face);
  return picture;
}

void drawPictureButton(const DRAWITEMSTRUCT& item, HBITMAP picture) {
  RECT face = item.rcItem;
  const bool pushed = item.itemState & ODS_SELECTED;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  // The picture as large as fits 2 pixels inside the border, so it grows with the button at
  // every dpi; a pressed button's picture sinks by a pixel as a caption does.
  const double scale =
      std::min(static_cast<double>(face.right - face.left - 4) / kArrowPictureWidth,
               static_cast<double>(face.bottom - face.top - 4) / kArrowPictureHeight);
  const int width = static_cast<int>(kArrowPictureWidth * scale);
  const int height = static_cast<int>(kArrowPictureHeight * scale);
  const int left = (face.left + face.right - width) / 2 + (pushed ? 1 : 0);
  const int top = (face.top + face.bottom - height) / 2 + (pushed ? 1 : 0);
  HDC source = CreateCompatibleDC(item.hDC);
  HGDIOBJ before = SelectObject(source, picture);
  SetStretchBltMode(item.hDC, HALFTONE);
  SetBrushOrgEx(item.hDC, 0, 0, nullptr);
  StretchBlt(item.hDC, left, top, width, height, source, 0, 0, kArrowPictureWidth,
             kArrowPictureHeight, SRCCOPY);
  SelectObject(source, before);
  DeleteDC(source);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&face, -3, -3);
    DrawFocusRect(item.hDC, &face);
  }
}

}  // namespace kv884

#include "win32/pictures.hpp"

#include <functional>

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

HBITMAP drawArrowPicture(ArrowDirection direction) {
  int (*x)(int) = direction == ArrowDirection::Left ? asDrawn : mirrored;
  return drawBitmap(kArrowPictureWidth, kArrowPictureHeight, GetSysColor(COLOR_BTNFACE),
                    [x](HDC dc) {
                      for (const PictureBox& page : kArrowPages) drawPage(dc, page, x);
                      POINT outline[kArrowOutline.size()];
                      for (size_t i = 0; i < kArrowOutline.size(); ++i)
                        outline[i] = {x(kArrowOutline[i].x), kArrowOutline[i].y};
                      Paint arrow(dc, kArrowEdge, CreateSolidBrush(gdiColour(kArrowFill)));
                      Polygon(dc, outline, static_cast<int>(kArrowOutline.size()));
                    });
}

}  // namespace kv884

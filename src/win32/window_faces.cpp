#include "win32/window_faces.hpp"

#include <cmath>
#include <initializer_list>

#include "platform/face_names.hpp"

namespace kv884 {
namespace {

struct FaceFamilies {
  std::u16string_view face;
  std::initializer_list<const wchar_t*> families;  // the first is Windows' own
};

// Every Windows in Traditional Chinese has the first family of each row. Elsewhere the next
// ones stand in: the other Ming face, Microsoft JhengHei (every Windows since Vista), and the
// national standard faces a Wine prefix finds among the host's fonts.
const FaceFamilies kFaces[] = {
    {kMingFace, {L"MingLiU", L"PMingLiU", L"Microsoft JhengHei", L"TW-Sung"}},
    {kNewMingFace, {L"PMingLiU", L"MingLiU", L"Microsoft JhengHei", L"TW-Sung"}},
    {kKaiFace, {L"DFKai-SB", L"TW-Kai", L"MingLiU", L"Microsoft JhengHei", L"TW-Sung"}},
    {kArialFace, {L"Arial", L"Liberation Sans"}},
};

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool installed(HDC dc, const wchar_t* family) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

std::wstring installedFamily(HDC dc, std::u16string_view face) {
  for (const FaceFamilies& row : kFaces) {
    if (row.face != face) continue;
    for (const wchar_t* family : row.families)
      if (installed(dc, family)) return family;
    return *row.families.begin();
  }
  return std::wstring(face.begin(), face.end());
}

HFONT createFont(HDC dc, const FaceAndSize& wanted, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lround(wanted.points * dpi / 72));
  font.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(font.lfFaceName, installedFamily(dc, wanted.face).c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace kv884

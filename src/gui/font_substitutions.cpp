#include "gui/font_substitutions.hpp"

#include <QFont>
#include <QString>

#include "platform/face_names.hpp"

namespace kv884 {
void installFontSubstitutions() {
  // Taiwan's national standard typefaces (全字庫正宋體, 全字庫正楷體): every character in the
  // standard form, every character of code page 950, half-width Latin letters and digits as
  // 細明體 has them, and a glyph of its own for each radical, so that a PDF's text reads 戶, not
  // the radical ⼾ that shares its glyph in Noto CJK.
  const QString ming = QStringLiteral("TW-Sung");
  const QString kai = QStringLiteral("TW-Kai");
  const QString sans = QStringLiteral("Liberation Sans");
  // The Chinese face names and their romanised forms, as data sets and old pages name them.
  for (std::u16string_view name :
       {kMingFace, kNewMingFace, std::u16string_view(u"MingLiU"), std::u16string_view(u"PMingLiU")})
    QFont::insertSubstitution(QStringView(name).toString(), ming);
  for (std::u16string_view name : {kKaiFace, std::u16string_view(u"DFKai-SB")})
    QFont::insertSubstitution(QStringView(name).toString(), kai);
  QFont::insertSubstitution(QStringView(kArialFace).toString(), sans);
}

}  // namespace kv884

#include "gui/user_defined_characters.hpp"

#include <QByteArray>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStandardPaths>
#include <QStringList>

namespace kv884 {
namespace {

// A font drawing 〓 at every code point of the private use area, made at build time.
const unsigned char kMarkFont[] = {
#include "mark_font.inc"
};

// The families behind every font: the user-defined-character font's, then the mark's.
QStringList& fallbackFamilies() {
  static QStringList families;
  return families;
}

QString loadFont(const QByteArray& data, const QString& file) {
  const int id = file.isEmpty() ? QFontDatabase::addApplicationFontFromData(data)
                                : QFontDatabase::addApplicationFont(file);
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.first();
}

}  // namespace

QString userDefinedCharacterFontFile(const QString& given) {
  if (!given.isEmpty()) return given;
  const QString named = qEnvironmentVariable("KV884_EUDC_FONT");
  if (!named.isEmpty()) return named;
  const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      QStringLiteral("/kv884/eudc.tte");
  return QFileInfo::exists(own) ? own : QString();
}

bool installUserDefinedCharacters(const QString& fontFile) {
  QStringList& families = fallbackFamilies();
  families.clear();
  const QString office = fontFile.isEmpty() ? QString() : loadFont({}, fontFile);
  if (!office.isEmpty()) families << office;
  static const QString mark = loadFont(
      QByteArray::fromRawData(reinterpret_cast<const char*>(kMarkFont), sizeof kMarkFont), {});
  families << mark;
  return fontFile.isEmpty() || !office.isEmpty();
}

QFont withUserDefinedCharacters(QFont font) {
  // Qt tries the substitutes of a face name only after every family of the list: the face names
  // are replaced by their substitutes here, so that the mark never stands first.
  QStringList families;
  const QStringList named = font.families();
  for (const QString& family : named.isEmpty() ? QStringList{QFontInfo(font).family()} : named) {
    const QStringList substitutes = QFont::substitutes(family);
    families << (substitutes.isEmpty() ? QStringList{family} : substitutes);
  }
  families << fallbackFamilies();
  font.setFamilies(families);
  return font;
}

}  // namespace kv884

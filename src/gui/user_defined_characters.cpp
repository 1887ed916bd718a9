#include "gui/user_defined_characters.hpp"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStandardPaths>
#include <QStringList>

#include "platform/file_error.hpp"
#include "platform/input_file.hpp"

namespace kv884 {
namespace {

// A font drawing 〓 at every code point of the private use area, made at build time.
const unsigned char kMarkFont[] = {
#include "mark_font.inc"
};

// The families behind every font: the user-defined-character font's, then the mark's.
QStringList fallbackFamilies;

// Far above any font of user-defined characters (an office's EUDC.TTE holds at most 6,217
// glyphs, a few megabytes).
constexpr size_t kFontFileLimit = 64 << 20;

QString loadFont(const QByteArray& data) {
  const int id = QFontDatabase::addApplicationFontFromData(data);
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.first();
}

// The file is read as every input is, so a named pipe or a device in its place is refused
// instead of holding the program up before its first window.
QString loadFontFile(const QString& file) {
  try {
    InputFile input(QFile::encodeName(file).toStdString(), InputKind::File);
    return loadFont(QByteArray::fromStdString(readWhole(input, kFontFileLimit)));
  } catch (const FileError&) {
    return {};
  }
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
  fallbackFamilies.clear();
  const QString office = fontFile.isEmpty() ? QString() : loadFontFile(fontFile);
  if (!office.isEmpty()) fallbackFamilies << office;
  static const QString mark =
      loadFont(QByteArray::fromRawData(reinterpret_cast<const char*>(kMarkFont), sizeof kMarkFont));
  fallbackFamilies << mark;
  return fontFile.isEmpty() || !office.isEmpty();
}

QString unloadableFontNote(const QString& program, const QString& fontFile) {
  return program + QStringLiteral(": ") + fontFile +
         QStringLiteral(
             " is not a font that can be loaded; user-defined characters are drawn as 〓");
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
  families << fallbackFamilies;
  font.setFamilies(families);
  return font;
}

}  // namespace kv884

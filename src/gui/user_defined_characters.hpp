#pragma once
// Big5's user-defined characters (造字) decode into the private use area, U+E000 to U+F8FF. On the
// screen and on printed pages each is drawn from the office's user-defined-character font when
// the program has one, else as the mark 〓, never by whatever another installed font keeps at
// that code point. The text itself stays as it is (copying a name keeps its characters).

#include <QFont>
#include <QString>

namespace kv884 {

// The font file to use: given (from the command line) when not empty, else the file that
// KV884_EUDC_FONT names, else $XDG_DATA_HOME/kv884/eudc.tte (~/.local/share/kv884/eudc.tte)
// when it exists; empty when there is none.
QString userDefinedCharacterFontFile(const QString& given = {});

// Loads the mark and, unless fontFile is empty, the user-defined-character font; false when
// fontFile cannot be loaded as a font (the mark then stands for every such character). Needs a
// QGuiApplication; call before the first font is used.
bool installUserDefinedCharacters(const QString& fontFile);

// What a program says of a font file it could not load before drawing the mark instead.
QString unloadableFontNote(const QString& program, const QString& fontFile);

// font, with the user-defined-character font and then the mark behind its own family: the
// private use area is drawn from them, everything else as before.
QFont withUserDefinedCharacters(QFont font);

}  // namespace kv884

#pragma once
// What the desktop program sets up once its QApplication exists, before its first window: the
// families for the faces the windows name, the user-defined characters, Qt's own texts (the
// folder dialog, the message boxes' 確定) in Traditional Chinese whatever the user's language,
// and dialog buttons without icons.

#include <QString>

class QApplication;

namespace kv884 {

// False when eudcFontFile (empty: none) cannot be loaded as a font.
bool setUpDesktop(QApplication& app, const QString& eudcFontFile);

}  // namespace kv884

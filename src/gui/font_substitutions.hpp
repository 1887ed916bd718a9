#pragma once
// The face names that the windows and the printed pages ask for (細明體, 新細明體, 標楷體, Arial)
// mapped onto the families installed here. Both the windows and the print surface call it once,
// after the QGuiApplication exists and before the first font is used.

namespace kv884 {

void installFontSubstitutions();

}  // namespace kv884

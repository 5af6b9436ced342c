#pragma once
// Symbol fonts draw letters as pictures; Linux desktops do not have them, so
// the characters the screens write in them are shown as the symbols they mean.
#include <QString>

namespace zolmera {

bool isSymbolFont(const QString& family);
// The text as it should be drawn in that font: symbols for a symbol font,
// the text itself otherwise.
QString symbolText(const QString& family, const QString& text);

}  // namespace zolmera

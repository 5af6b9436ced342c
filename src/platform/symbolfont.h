#pragma once
// Symbol fonts draw letters as pictures; Linux desktops do not have them, so
// the characters the screens write in them are shown as the symbols they mean.
#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QRectF;

namespace zolmera {

bool isSymbolFont(const QString& family);
// The text as it should be drawn in that font: symbols for a symbol font,
// the text itself otherwise.
QString symbolText(const QString& family, const QString& text);
// The characters back from what symbolText showed (a picture typed or pasted
// counts as its character; anything else stays as it is). With `posizione`,
// a position in `mostrato` becomes the matching one in the result.
QString symbolChars(const QString& family, const QString& mostrato, int* posizione = nullptr);
// Where each character of `text` starts in symbolText(family, text); one
// more entry at the end.
QList<int> symbolOffsets(const QString& family, const QString& text);

// A font drawn in one colour, like the symbol fonts themselves: the controls
// lay a symbol-font text out in it, one square cell a character, and paint
// the pictures in the cells. Where it has no glyph (a picture) it shows none.
QFont symbolCellFont(const QFont& design, double pixelsPerPoint);
// One character's cell: the picture in `ink`, or the character itself.
void paintSymbolCell(QPainter& painter, const QRectF& cell, const QString& family, QChar c, const QColor& ink,
                     const QFont& cellFont);

}  // namespace zolmera

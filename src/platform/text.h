#pragma once
// Texts as the game stores and compares them: Windows-1252 on disk, and the
// case and trim rules of the original platform (only that code page's letters
// change case; Trim removes blanks, nothing else).
#include <QByteArray>
#include <QString>

namespace zolmera {

// Every byte maps to one character and back: the five bytes Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 etc.
QString fromCp1252(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray toCp1252(const QString& text);
bool isCp1252(QChar c);

QString vbUCase(const QString& s);
QString vbLCase(const QString& s);
QString vbTrim(const QString& s);
QString vbLTrim(const QString& s);
QString vbRTrim(const QString& s);

// Val(): the number a text starts with, 0 when it starts with none. Blanks,
// tabs and line feeds are skipped wherever they are; then a sign, digits
// with a "." as the decimal point (never a comma) and an exponent (E or D),
// or a whole number in hexadecimal ("&H1F") or octal ("&O17"). Reading stops
// at the first character that cannot go on the number.
double vbVal(const QString& s);

// A fixed text of n characters: a shorter value is padded with blanks on the
// right, a longer one is cut.
QString fixedText(const QString& s, int n);

}  // namespace zolmera

#pragma once
// Rules every content table keeps for its texts, whatever the table.
#include <QString>

namespace zolmera::contenuti {

// What is wrong with a text field, worded to follow "field N ": empty,
// padded with blanks, or holding a character the game's Windows-1252 files
// cannot; an empty result when nothing is.
QString difettoTesto(const QString& campo);

}  // namespace zolmera::contenuti

#pragma once
// Tables of short challenges answered by typing: each row the text shown
// for the reading, then the answer the contestant types.
#include "regole.h"

namespace zolmera::contenuti {

// Checks that row r holds two fields, a sound text to show (called
// `testo` in the errors) and an answer the board can judge; false, with
// the error, when it does not, so the table's own rules are not tried on it.
bool controllaCoppia(const Tabella& t, const RigaTabella& r, const QString& forma, const QString& testo,
                     QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

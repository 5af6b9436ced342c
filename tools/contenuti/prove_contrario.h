#pragma once
// The answers of "DOMANDA AL CONTRARIO", each with three near questions.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row: the answer shown, three questions, the right question. The
// answer upper case, 6 to 45 characters; the questions sound for the board,
// each ending with "?"; as many rows as the window draws from.
void controllaContrario(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

#pragma once
// The song titles of "RITRATTO DI CANZONI", in the order of their drawings.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row one title alone, as many as the song strip has drawings, none
// twice in upper case, each short enough to be typed whole on the board.
void controllaCanzoni(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

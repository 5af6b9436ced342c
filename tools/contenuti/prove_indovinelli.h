#pragma once
// The riddles of "INDOVINELLO AL FULMICOTONE": eight words, the riddle, the
// answer, then where the riddle comes from, which the game does not read.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row eight words told apart also in upper case, a riddle, the
// answer as the board judges it (one of the eight words upper-cased), and
// a source; each word and riddle short enough for the window's box.
void controllaIndovinelli(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

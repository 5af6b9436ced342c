#pragma once
// The phrases of IL REBUS: each must lay out on the grid the game draws.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row "phrase <tab> source"; a hundred phrases, each laid out as the
// game lays it out, none twice.
void controllaRebus(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

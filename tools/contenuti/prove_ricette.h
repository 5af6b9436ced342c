#pragma once
// The recipes of "IL GRANDE CHEF", each with its ingredient hidden.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row: recipe, three choices, the missing ingredient. The recipe is
// one paragraph of 163 to 838 characters with no comma, where each word of
// the ingredient stands as a run of 3 to 12 capital X and the ingredient
// itself is nowhere to be read; the choices keep the board's rules, each
// with a capital initial (or a quantity's digit) and at most 30 characters.
void controllaRicette(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

#pragma once
// The passages of IL MOTIVO MISTERIOSO: a few lines of a song, an aria or a
// hymn, and its title, to choose among three or to type.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row "passage <tab> three titles, or three empty fields <tab> title
// <tab> authors". The authors field is "tradizionale", "scritta per il
// gioco", or each author of words and music as "Nome Cognome yyyy", the
// year of death, apart by "; ": only works free of copyright in the year
// `anno` may be quoted, their authors dead for more than seventy years.
void controllaMotivi(const Tabella& t, int anno, QList<ErroreTabella>& errori);
// The same, free of copyright in the year the build runs.
void controllaMotivi(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

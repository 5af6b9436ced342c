#pragma once
// The rules of the performers' table of CANTANTI E CANZONI.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row "performer <tab> title <tab> year", exactly as many rows as the
// window draws from, each performer and each title once, each fitting its
// cell; the year only proves the song is that performer's and is not shipped.
void controllaCantanti(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

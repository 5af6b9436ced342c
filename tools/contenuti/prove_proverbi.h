#pragma once
// The proverbs of "COMPLETA IL PROVERBIO": each row the proverb with its
// gap, then the missing words.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every proverb showing its gap as one "…", the missing words in upper
// case, no proverb twice; as many rows as the window draws from.
void controllaProverbi(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

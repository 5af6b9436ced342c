#pragma once
// The word lists of STORIA IMMAGINARIA.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row "group <tab> entry", each group with as many entries as the
// story draws from; the forty names single words, all different also in
// capitals; and every statement the lists can make short enough for the
// board's answer box.
void controllaStoria(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

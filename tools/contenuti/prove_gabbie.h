#pragma once
// The caged words of "PAROLE IN GABBIA": a definition that shows the first
// or the last letters of its answer, in runs of rows sharing one cage.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row "definition <tab> answer". The definition opens with "Questo",
// "Questa", "Questi" or "Queste", then the cage between apostrophes, then
// the defining phrase; the cage is 2 to 6 capital letters with "…" on its
// open side, and the answer keeps those letters at that side. The rows come
// in runs sharing a cage, every run of 12 rows but one of 13, each cage in
// one run only; an answer serves at most three definitions.
void controllaGabbie(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

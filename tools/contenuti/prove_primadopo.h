#pragma once
// The events of "PRIMA O DOPO": every answer must follow from the dates
// kept beside the events, so a slip of the pen cannot teach wrong history.
#include "records/tabella.h"

namespace zolmera::contenuti {

void controllaPrimaDopo(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

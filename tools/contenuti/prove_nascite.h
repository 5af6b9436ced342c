#pragma once
// The dates of "DATA DI NASCITA": a date of birth, three well-known persons
// and the one born that day.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row: the date as "d mese yyyy", three choices, the answer, then each
// choice's date of birth as yyyy-mm-dd. The date shown is a real day, the
// answer's birthday and no other choice's; a person has one birthday all
// through the table; the table holds as many dates as the window draws from.
void controllaNascite(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

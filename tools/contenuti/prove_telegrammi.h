#pragma once
// The telegrams of "IL TELEGRAMMA": a well-known person told in short
// statements, and three persons of one field to choose from.
#include "records/tabella.h"

namespace zolmera::contenuti {

// Every row: the telegram, three choices, the person described. The
// telegram upper case, 98 to 239 characters, two to six statements joined
// by " STOP ", its titles between "<" and ">", naming none of the choices by
// surname; the choices upper case and sound for the board; as many rows as
// the window draws from.
void controllaTelegrammi(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

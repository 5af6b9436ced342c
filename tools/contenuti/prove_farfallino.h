#pragma once
// The cities of "LINGUAGGIO FARFALLINO": each row the name disguised, then
// the city's name written the ordinary Italian way.
#include "records/tabella.h"

namespace zolmera::contenuti {

// The name in farfallino: after each vowel an "f" and the vowel again in
// small letters; "à" echoes as "fa", J as "fi"; everything else is copied.
QString farfallino(const QString& citta);

// Every city's name beginning with a capital letter, once in the table,
// its disguise exactly as farfallino() makes it; as many rows as the
// window draws from.
void controllaFarfallino(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

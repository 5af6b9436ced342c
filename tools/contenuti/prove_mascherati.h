#pragma once
// The names of "CODICE FISCALE": each row the name as shown, masked, then
// the person's first name (or names) and surname.
#include "records/tabella.h"

namespace zolmera::contenuti {

// The name as the window shows it: word by word, the first letter kept,
// then every other letter an "X"; an apostrophe stays and is not counted,
// blanks stay.
QString maschera(const QString& nome);

// Every name in capital letters without accents or X, at least two words,
// an apostrophe only after a word's first letter or at its end; its mask
// exactly as maschera() makes it; a person in two rows at most; as many
// rows as the window draws from.
void controllaMascherati(const Tabella& t, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

#pragma once
// What the short challenges' tables keep in their answers and choices: the
// board judges a typed or clicked answer trimmed and upper-cased against
// the stored one, character by character, in a box of 50 characters.
#include "records/tabella.h"

namespace zolmera::contenuti {

// The most the board's answer and option boxes take.
constexpr int kMaxRisposta = 50;

// What is wrong with an answer or a choice, worded to follow "the answer "
// or "choice 2 ": anything difettoTesto() refuses, more than 50 characters,
// two blanks in a row, or an apostrophe other than the plain "'", which no
// one types. Empty when nothing is.
QString difettoRisposta(const QString& testo);

// A row's answer (field `risposta`, from 1) and, when `scelte` is not 0, its
// three choices from field `scelte`: each a sound answer, the three distinct
// also in upper case, the answer exactly one of them. With `facoltative`
// the three choices may all be empty, for a row answered by typing.
void controllaScelte(const Tabella& t, const RigaTabella& r, int scelte, int risposta, bool facoltative,
                     QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

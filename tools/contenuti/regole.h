#pragma once
// Rules every content table keeps for its texts, whatever the table, and
// the checks of a row's shape that many tables share.
#include "records/tabella.h"

#include <QString>

namespace zolmera::contenuti {

// What is wrong with a text field, worded to follow "field N ": empty,
// padded with blanks, or holding a character the game's Windows-1252 files
// cannot; an empty result when nothing is.
QString difettoTesto(const QString& campo);

// Whether row r holds `campi` fields; if not, the error "a row must be:
// <forma>", so the table's own rules are not tried on it.
bool controllaCampi(const Tabella& t, const RigaTabella& r, qsizetype campi, const QString& forma,
                    QList<ErroreTabella>& errori);

// Field `campo` of row r (from 1), called `nome` in the errors ("the
// telegram"): a sound text, as difettoTesto() has it, and with `massimo`
// not 0 of `minimo` to `massimo` characters. False when it is not a sound
// text, so the rules for what it says need not be tried; a wrong length
// leaves it sound.
bool controllaTesto(const Tabella& t, const RigaTabella& r, int campo, const QString& nome, int minimo, int massimo,
                    QList<ErroreTabella>& errori);

// The error "<nome> is not in upper case" when field `campo` of row r is not.
void controllaMaiuscole(const Tabella& t, const RigaTabella& r, int campo, const QString& nome,
                        QList<ErroreTabella>& errori);

// Adds an error on the file as a whole when the table has not `attese` rows.
void controllaRighe(const Tabella& t, qsizetype attese, const QString& cosa, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

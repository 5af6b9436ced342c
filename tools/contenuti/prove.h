#pragma once
// The challenges' tables under content/prove/: each has its own rules, and
// a table without rules is refused, so none ships unchecked. The game reads
// the rows as they are, with only the fields it reads: the fields after
// those are the table's own notes (a source, a date) that the checks use.
#include "records/tabella.h"

#include <functional>

namespace zolmera::contenuti {

// A table of names grouped by a marker: every row "marker <tab> name".
struct RegoleGruppi {
    QStringList gruppi;    // the markers, every one required
    int nomiPerGruppo = 0;
    int maxNome = 0;       // characters
};
void controllaGruppi(const Tabella& t, const RegoleGruppi& regole, QList<ErroreTabella>& errori);

// The geo-anagram's place names.
void controllaLocalita(const Tabella& t, QList<ErroreTabella>& errori);
// The products of "LA SPESA E' GIUSTA": name, lowest and highest price per kilogram.
void controllaSpesa(const Tabella& t, QList<ErroreTabella>& errori);

struct RegoleProva {
    QString file;          // "personaggi.tsv"
    std::function<void(const Tabella&, QList<ErroreTabella>&)> controlla;
    int campiGioco = 0;    // the leading fields the game reads; 0: all of them
};
const QList<RegoleProva>& regoleProve();
// The rules of the table called file ("personaggi.tsv"), or none.
const RegoleProva* regoleDi(const QString& file);

void controllaProve(const QList<Tabella>& tabelle, QList<ErroreTabella>& errori);

// A checked table as the program carries it: its rows, one a line, with
// the fields the game reads.
QByteArray tabellaGioco(const Tabella& t);

}  // namespace zolmera::contenuti

#pragma once
// The challenges' tables under content/prove/: each has its own rules, and
// a table without rules is refused, so none ships unchecked. The game reads
// these tables as they are; nothing is compiled from them.
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
};
const QList<RegoleProva>& regoleProve();

void controllaProve(const QList<Tabella>& tabelle, QList<ErroreTabella>& errori);

}  // namespace zolmera::contenuti

#pragma once
// The second phase's quiz, from one table a topic under content/archivi/ to
// the three archives the game reads. A topic's table starts with its row
//     A <tab> code <tab> name
// then one row a question, its options in display order, the right one
// marked with a leading "*", and a note for the reviewer that is not shipped:
//     D <tab> question <tab> option <tab> option <tab> option [<tab> note]
#include "records/domande.h"
#include "records/tabella.h"

namespace zolmera::contenuti {

struct Archivi {
    QList<RecArgomento> argomenti;
    QList<RecDomandaArchivio> domande;
    QList<RecRisposteArchivio> risposte;
};

// The limits the archives' readers and the board's boxes set.
inline constexpr int kMinArgomenti = 12;
inline constexpr int kMinDomande = 15;
inline constexpr int kMaxNome = 30;        // follows "Domanda n: " in the heading
inline constexpr int kMaxDomanda = 122;    // bytes: the question record's slot
inline constexpr int kMaxRisposte = 116;   // bytes of the four texts together
inline constexpr int kMaxOpzione = 50;     // the board's option boxes

// Topics in the order of the tables given, questions numbered 1..M in each.
Archivi compilaArchivi(const QList<Tabella>& tabelle, QList<ErroreTabella>& errori);

// Writes archivio1.dat to archivio3.dat into the folder, each whole or not
// at all; false with the reason.
bool scriviArchivi(const Archivi& a, const QString& cartella, QString* errore);

}  // namespace zolmera::contenuti

#pragma once
// The books of a finished match: the jackpot for the next match, the match
// count, the tournament's matchday, players and standings, the season's
// seats and ranking, and the best scores. Everything is worked out in memory
// from the files as they are, and the step then writes every file together,
// so a match is either recorded whole or not at all.
#include "records/archivi.h"
#include "records/creazione.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QString>

namespace zolmera {

// What the board knows of the match when it closes the books.
struct PartitaFinita {
    int tipoGioco = 1;                  // 1 single match, 2 tournament, 3 season
    VbArray<QString, 1, 2> nomi;        // as stored: 11 characters
    VbArray<qint32, 1, 2> vincita;      // the money, the jackpot already paid
    VbArray<int, 1, 2> punti;           // match points, 0 to 2
    QString esitoGara;                  // "vince " and the name, or "gara in PARITA'"
    int menuCompleto = 0;
    qint32 montepremi = 0;              // this match's jackpot
    int giornata = 0;                   // the tournament's matchday, 1 to 6
    QString fileMontepremi, filePunteggi, fileCampionato, fileGiornate, fileStagione, fileClassifica;
    QDate oggi;
};

struct Bilancio {
    qint32 montepremi = 0;      // the jackpot of the next match
    QList<FileNuovo> files;     // every file the step writes, whole
    // Season: the seats as this match left them, before an ended run empties
    // them (the hats are drawn from these), and the seats whose champion has
    // reached the thirty matches a title lasts.
    VbArray<RecPostazioneStagione, 1, 2> seggi;
    QList<int> campioniAlLimite;
    // Files that are there but could not be read: with any, nothing may be
    // written.
    QStringList illeggibili;
};

// The result code of a contestant's match points: "-", "C" or "S".
QChar codiceEsito(int punti);

// The selection sort of the best scores and of the season ranking, over
// records 1 to n: higher Vincita, then more Gare, Super, Campione, then the
// earlier date; an entry without winnings never moves up.
void ordinaPunteggi(QList<RecPunteggio>& voci);

// Works out the books of the match; reads the files, writes nothing.
Bilancio calcolaBilancio(const PartitaFinita& p);

}  // namespace zolmera

#pragma once
// The competitions' files: the jackpot and match count, the season seats, the
// champions' ranking, the best-score tables, the tournament players and its
// matchdays. Each record type packs its fields with no gaps, little-endian,
// texts in the game's single-byte code page.
#include "state/vbtypes.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace zolmera {

struct RecMontepremi {
    qint16 Giocate = 0;
    qint16 Totale = 0;
    qint32 Montepremi = 0;

    QByteArray codifica() const;
    static RecMontepremi decodifica(const QByteArray& bytes);
};

// One result per match or matchday: "n" not played, "-" lost, "C" one
// point, "S" two points.
template <int N>
using TabellaEsiti = VbArray<QChar, 1, N>;

struct RecPostazioneStagione {
    FixedText<11> Nome;
    qint16 Partite = 0;
    TabellaEsiti<30> Esiti;
    qint32 Vincita = 0;

    // A new or emptied seat: 11 blanks, no matches, thirty "n".
    static RecPostazioneStagione vuota();
    QByteArray codifica() const;
    static RecPostazioneStagione decodifica(const QByteArray& bytes);
};

struct RecPunteggio {
    FixedText<11> Nome;
    QDate Data;
    qint16 Gare = 0;
    qint16 Campione = 0;
    qint16 Super = 0;
    qint32 Vincita = 0;

    // The entry of an empty best-score place.
    static RecPunteggio segnaposto();
    // The entries of a new season's ranking.
    static RecPunteggio stagioneNuova();
    QByteArray codifica() const;
    static RecPunteggio decodifica(const QByteArray& bytes);
};

struct RecGiocatoreCampionato {
    FixedText<11> Nome;
    qint16 Punti = 0;
    TabellaEsiti<6> Esiti;
    qint32 Vincita = 0;

    static RecGiocatoreCampionato nuovo(const QString& nome);
    QByteArray codifica() const;
    static RecGiocatoreCampionato decodifica(const QByteArray& bytes);
};

struct RecGiornataCampionato {
    FixedText<11> Casa1;
    FixedText<11> Fuori1;
    FixedText<17> Risultato1;
    FixedText<11> Casa2;
    FixedText<11> Fuori2;
    FixedText<17> Risultato2;

    QByteArray codifica() const;
    static RecGiornataCampionato decodifica(const QByteArray& bytes);
};

inline const QString kSconosciuto = QStringLiteral("  unknown  ");
inline const QString kStagione2004 = QStringLiteral("season 2004");
inline const QString kDaDisputare = QStringLiteral("da disputare     ");
inline const QDate kDataSegnaposto = QDate(2004, 4, 1);

// The companion of a competition file: the path less its last four
// characters, whatever they are, then the companion's own ending.
QString percorsoCompagno(const QString& percorso, const QString& estensione);

// The best-score file of a game type in the edition's scores folder.
QString nomeFilePunteggi(int tipoGioco);

// The tournament's six matchdays for players P1..P4, in the order entered:
// a fixed double round robin, home player first.
QList<RecGiornataCampionato> calendarioCampionato(const VbArray<FixedText<11>, 1, 4>& giocatori);

}  // namespace zolmera

#include "records/bilancio.h"

#include "platform/recordfile.h"

#include <algorithm>

namespace zolmera {

namespace {

// A file's records as they are, at least `almeno` of them: a file shorter
// than its records (damaged, or from an older copy) reads as zeros and
// blanks past its end, and slots past the records the game knows are kept.
// A file that is there but cannot be read is named in `illeggibili`: its
// zeros must never be written back over what it holds.
QList<QByteArray> leggi(const QString& percorso, int almeno, QStringList& illeggibili)
{
    bool letto = true;
    QList<QByteArray> out = RecordFile(percorso).readSlots(&letto);
    if (!letto)
        illeggibili << percorso;
    while (out.size() < almeno)
        out << QByteArray(kRecordSlot, '\0');
    return out;
}

template <int N>
int conta(const TabellaEsiti<N>& esiti, QChar codice)
{
    int n = 0;
    for (int i = 1; i <= N; ++i)
        n += esiti[i] == codice ? 1 : 0;
    return n;
}

// Strictly better, so that of two equal entries the one met first stays.
bool meglio(const RecPunteggio& a, const RecPunteggio& b)
{
    if (a.Vincita != b.Vincita)
        return a.Vincita > b.Vincita;
    if (a.Gare != b.Gare)
        return a.Gare > b.Gare;
    if (a.Super != b.Super)
        return a.Super > b.Super;
    if (a.Campione != b.Campione)
        return a.Campione > b.Campione;
    return a.Data.isValid() && (!b.Data.isValid() || a.Data < b.Data);
}

void ordinaGiocatori(QList<RecGiocatoreCampionato>& g)
{
    for (int k = 0; k < 3; ++k) {
        int migliore = k;
        for (int m = k + 1; m < 4; ++m)
            if (g[m].Punti > g[migliore].Punti || (g[m].Punti == g[migliore].Punti && g[m].Vincita > g[migliore].Vincita))
                migliore = m;
        if (migliore != k)
            std::swap(g[k], g[migliore]);
    }
}

qint32 prossimoMontepremi(qint32 montepremi, int menuCompleto)
{
    return menuCompleto == 0 ? montepremi + 250 : 1000;
}

}  // namespace

QChar codiceEsito(int punti)
{
    return punti >= 2 ? QLatin1Char('S') : punti == 1 ? QLatin1Char('C') : QLatin1Char('-');
}

void ordinaPunteggi(QList<RecPunteggio>& voci)
{
    const int n = int(voci.size());
    for (int k = 0; k < n - 1; ++k) {
        int migliore = k;
        for (int m = k + 1; m < n; ++m)
            if (voci[m].Vincita >= 1 && meglio(voci[m], voci[migliore]))
                migliore = m;
        if (migliore != k)
            std::swap(voci[k], voci[migliore]);
    }
}

Bilancio calcolaBilancio(const PartitaFinita& p)
{
    Bilancio b;

    // The match count and the jackpot for the next match.
    QList<QByteArray> montepremi = leggi(p.fileMontepremi, 1, b.illeggibili);
    RecMontepremi conto = RecMontepremi::decodifica(montepremi[0]);
    b.montepremi = p.montepremi;
    if (p.tipoGioco != 2 || conto.Giocate + 1 == 2 || conto.Giocate + 1 == 4)
        b.montepremi = prossimoMontepremi(p.montepremi, p.menuCompleto);
    conto.Giocate = qint16(conto.Giocate + 1);
    conto.Montepremi = b.montepremi;
    montepremi[0] = conto.codifica();
    b.files << FileNuovo{p.fileMontepremi, montepremi};

    QList<QByteArray> punteggiFile = leggi(p.filePunteggi, 19, b.illeggibili);
    QList<RecPunteggio> punteggi;
    for (int k = 0; k < 19; ++k)
        punteggi << RecPunteggio::decodifica(punteggiFile[k]);
    const auto voce = [&](const QString& nome, qint16 gare, qint16 campione, qint16 super_, qint32 vincita) {
        RecPunteggio r;
        r.Nome = nome;
        r.Data = p.oggi;
        r.Gare = gare;
        r.Campione = campione;
        r.Super = super_;
        r.Vincita = vincita;
        return r;
    };
    const bool giornataValida = p.giornata >= 1 && p.giornata <= 6;

    if (p.tipoGioco == 1) {
        // Both contestants are proposed, the loser too.
        for (int k = 1; k <= 2; ++k)
            punteggi[14 + k] = voce(p.nomi[k], 1, p.punti[k] == 1 ? 1 : 0, p.punti[k] == 2 ? 1 : 0, p.vincita[k]);
        punteggi[17] = punteggi[18] = RecPunteggio::segnaposto();
    } else if (p.tipoGioco == 2) {
        QList<QByteArray> giornate = leggi(p.fileGiornate, 6, b.illeggibili);
        if (giornataValida) {
            RecGiornataCampionato g = RecGiornataCampionato::decodifica(giornate[p.giornata - 1]);
            if (g.Casa1 == p.nomi[1])
                g.Risultato1 = p.esitoGara;
            else
                g.Risultato2 = p.esitoGara;
            giornate[p.giornata - 1] = g.codifica();
        }
        QList<QByteArray> campionatoFile = leggi(p.fileCampionato, 4, b.illeggibili);
        QList<RecGiocatoreCampionato> giocatori;
        for (int k = 0; k < 4; ++k)
            giocatori << RecGiocatoreCampionato::decodifica(campionatoFile[k]);
        for (int i = 1; i <= 2; ++i) {
            // The fixture comes from the matchday file, so both contestants
            // are among the four; a damaged file that names neither is left be.
            auto it = std::find_if(giocatori.begin(), giocatori.end(),
                                   [&](const RecGiocatoreCampionato& g) { return g.Nome == p.nomi[i]; });
            if (it == giocatori.end())
                continue;
            it->Punti = qint16(it->Punti + p.punti[i]);
            if (giornataValida)
                it->Esiti[p.giornata] = codiceEsito(p.punti[i]);
            it->Vincita = p.vincita[i];
        }
        ordinaGiocatori(giocatori);
        for (int k = 0; k < 4; ++k)
            campionatoFile[k] = giocatori[k].codifica();
        // The last of the twelve matches proposes the four players.
        if (conto.Giocate == 12)
            for (int k = 0; k < 4; ++k) {
                const RecGiocatoreCampionato& g = giocatori[k];
                punteggi[15 + k] = voce(g.Nome, 6, qint16(conta(g.Esiti, QLatin1Char('C'))),
                                        qint16(conta(g.Esiti, QLatin1Char('S'))), g.Vincita);
            }
        b.files << FileNuovo{p.fileGiornate, giornate} << FileNuovo{p.fileCampionato, campionatoFile};
    } else if (p.tipoGioco == 3) {
        QList<QByteArray> stagione = leggi(p.fileStagione, 2, b.illeggibili);
        QList<QByteArray> classificaFile = leggi(p.fileClassifica, 6, b.illeggibili);
        QList<RecPunteggio> classifica;
        for (int k = 0; k < 6; ++k)
            classifica << RecPunteggio::decodifica(classificaFile[k]);
        VbArray<bool, 1, 2> finito;
        for (int k = 1; k <= 2; ++k) {
            RecPostazioneStagione s = RecPostazioneStagione::decodifica(stagione[k - 1]);
            s.Nome = p.nomi[k];
            // A damaged count never puts a result outside the thirty a seat holds.
            s.Partite = qint16(qBound(0, int(s.Partite), 29) + 1);
            s.Esiti[s.Partite] = codiceEsito(p.punti[k]);
            s.Vincita = p.vincita[k];
            b.seggi[k] = s;
            finito[k] = p.punti[k] == 0 || s.Partite == 30 || conto.Giocate == conto.Totale;
            const RecPunteggio r = finito[k] ? voce(p.nomi[k], s.Partite, qint16(conta(s.Esiti, QLatin1Char('C'))),
                                                    qint16(conta(s.Esiti, QLatin1Char('S'))), p.vincita[k])
                                             : RecPunteggio::segnaposto();
            punteggi[14 + k] = r;
            classifica[3 + k] = r;
            if (s.Partite == 30)
                b.campioniAlLimite << k;
            stagione[k - 1] = (finito[k] ? RecPostazioneStagione::vuota() : s).codifica();
        }
        punteggi[17] = punteggi[18] = RecPunteggio::segnaposto();
        ordinaPunteggi(classifica);
        for (int k = 0; k < 6; ++k)
            classificaFile[k] = classifica[k].codifica();
        b.files << FileNuovo{p.fileStagione, stagione} << FileNuovo{p.fileClassifica, classificaFile};
    }

    ordinaPunteggi(punteggi);
    for (int k = 0; k < 19; ++k)
        punteggiFile[k] = punteggi[k].codifica();
    b.files << FileNuovo{p.filePunteggi, punteggiFile};
    // A path the game type does not use is not written.
    b.files.erase(std::remove_if(b.files.begin(), b.files.end(), [](const FileNuovo& f) { return f.percorso.isEmpty(); }),
                  b.files.end());
    return b;
}

}  // namespace zolmera

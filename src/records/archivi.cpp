#include "records/archivi.h"

#include "platform/recordfile.h"

namespace zolmera {

namespace {
template <int N>
void scriviEsiti(RecordWriter& w, const TabellaEsiti<N>& esiti)
{
    QString testo;
    for (int i = 1; i <= N; ++i)
        testo += esiti[i];
    w.fixedText(testo, N);
}

template <int N>
void leggiEsiti(RecordReader& r, TabellaEsiti<N>& esiti)
{
    // Fixed texts are read as the bytes stand, zeros of a short record
    // included, so each result keeps its own place.
    const QString testo = r.fixedText(N);
    for (int i = 1; i <= N; ++i)
        esiti[i] = i - 1 < testo.size() ? testo.at(i - 1) : QChar(0);
}
}  // namespace

QByteArray RecMontepremi::codifica() const
{
    RecordWriter w;
    w.int16(Giocate);
    w.int16(Totale);
    w.int32(Montepremi);
    return w.bytes();
}

RecMontepremi RecMontepremi::decodifica(const QByteArray& bytes)
{
    RecordReader r(bytes);
    RecMontepremi m;
    m.Giocate = r.int16();
    m.Totale = r.int16();
    m.Montepremi = r.int32();
    return m;
}

RecPostazioneStagione RecPostazioneStagione::vuota()
{
    RecPostazioneStagione s;
    s.Nome = QString();
    for (int i = 1; i <= 30; ++i)
        s.Esiti[i] = QLatin1Char('n');
    return s;
}

QByteArray RecPostazioneStagione::codifica() const
{
    RecordWriter w;
    w.fixedText(Nome, 11);
    w.int16(Partite);
    scriviEsiti(w, Esiti);
    w.int32(Vincita);
    return w.bytes();
}

RecPostazioneStagione RecPostazioneStagione::decodifica(const QByteArray& bytes)
{
    RecordReader r(bytes);
    RecPostazioneStagione s;
    s.Nome = r.fixedText(11);
    s.Partite = r.int16();
    leggiEsiti(r, s.Esiti);
    s.Vincita = r.int32();
    return s;
}

RecPunteggio RecPunteggio::segnaposto()
{
    RecPunteggio p;
    p.Nome = kSconosciuto;
    p.Data = kDataSegnaposto;
    return p;
}

RecPunteggio RecPunteggio::stagioneNuova()
{
    RecPunteggio p = segnaposto();
    p.Nome = kStagione2004;
    return p;
}

QByteArray RecPunteggio::codifica() const
{
    RecordWriter w;
    w.fixedText(Nome, 11);
    w.date(Data);
    w.int16(Gare);
    w.int16(Campione);
    w.int16(Super);
    w.int32(Vincita);
    return w.bytes();
}

RecPunteggio RecPunteggio::decodifica(const QByteArray& bytes)
{
    RecordReader r(bytes);
    RecPunteggio p;
    p.Nome = r.fixedText(11);
    p.Data = r.date();
    p.Gare = r.int16();
    p.Campione = r.int16();
    p.Super = r.int16();
    p.Vincita = r.int32();
    return p;
}

RecGiocatoreCampionato RecGiocatoreCampionato::nuovo(const QString& nome)
{
    RecGiocatoreCampionato g;
    g.Nome = nome;
    for (int d = 1; d <= 6; ++d)
        g.Esiti[d] = QLatin1Char('n');
    return g;
}

QByteArray RecGiocatoreCampionato::codifica() const
{
    RecordWriter w;
    w.fixedText(Nome, 11);
    w.int16(Punti);
    scriviEsiti(w, Esiti);
    w.int32(Vincita);
    return w.bytes();
}

RecGiocatoreCampionato RecGiocatoreCampionato::decodifica(const QByteArray& bytes)
{
    RecordReader r(bytes);
    RecGiocatoreCampionato g;
    g.Nome = r.fixedText(11);
    g.Punti = r.int16();
    leggiEsiti(r, g.Esiti);
    g.Vincita = r.int32();
    return g;
}

QByteArray RecGiornataCampionato::codifica() const
{
    RecordWriter w;
    w.fixedText(Casa1, 11);
    w.fixedText(Fuori1, 11);
    w.fixedText(Risultato1, 17);
    w.fixedText(Casa2, 11);
    w.fixedText(Fuori2, 11);
    w.fixedText(Risultato2, 17);
    return w.bytes();
}

RecGiornataCampionato RecGiornataCampionato::decodifica(const QByteArray& bytes)
{
    RecordReader r(bytes);
    RecGiornataCampionato g;
    g.Casa1 = r.fixedText(11);
    g.Fuori1 = r.fixedText(11);
    g.Risultato1 = r.fixedText(17);
    g.Casa2 = r.fixedText(11);
    g.Fuori2 = r.fixedText(11);
    g.Risultato2 = r.fixedText(17);
    return g;
}

QString percorsoCompagno(const QString& percorso, const QString& estensione)
{
    return percorso.left(qMax(0, int(percorso.size()) - 4)) + estensione;
}

QString nomeFilePunteggi(int tipoGioco)
{
    return QStringLiteral("score%1.dat").arg(tipoGioco, 3, 10, QLatin1Char('0'));
}

QList<RecGiornataCampionato> calendarioCampionato(const VbArray<FixedText<11>, 1, 4>& P)
{
    // Matchday d: (home 1, away 1), (home 2, away 2).
    static constexpr int kIncontri[6][4] = {{3, 1, 4, 2}, {1, 4, 2, 3}, {4, 3, 2, 1},
                                            {1, 3, 2, 4}, {4, 1, 3, 2}, {3, 4, 1, 2}};
    QList<RecGiornataCampionato> giornate;
    for (const auto& g : kIncontri) {
        RecGiornataCampionato r;
        r.Casa1 = P[g[0]];
        r.Fuori1 = P[g[1]];
        r.Risultato1 = kDaDisputare;
        r.Casa2 = P[g[2]];
        r.Fuori2 = P[g[3]];
        r.Risultato2 = kDaDisputare;
        giornate << r;
    }
    return giornate;
}

}  // namespace zolmera

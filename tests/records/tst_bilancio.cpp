// The books of a finished match, worked out from files the test writes and
// compared byte for byte with records written out by hand.
#include "platform/filefaults.h"
#include "platform/recordfile.h"
#include "records/bilancio.h"
#include "testkit/bytes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

const QDate kOggi(2026, 12, 10);

QByteArray nome(const QString& n) { return n.toLatin1().leftJustified(11, ' ', true); }

QByteArray punteggio(const QString& n, QDate data, qint16 gare, qint16 campione, qint16 super_, qint32 vincita)
{
    return slot(nome(n) + doppio(toVbDate(data)) + le16(gare) + le16(campione) + le16(super_) + le32(vincita));
}
QByteArray segnaposto() { return punteggio("  unknown  ", QDate(2004, 4, 1), 0, 0, 0, 0); }

QByteArray montepremi(qint16 giocate, qint16 totale, qint32 m) { return slot(le16(giocate) + le16(totale) + le32(m)); }

QByteArray seggio(const QString& n, const QString& esiti, qint32 vincita)
{
    return slot(nome(n) + le16(qint16(esiti.size())) + esiti.leftJustified(30, 'n').toLatin1() + le32(vincita));
}

QByteArray giocatore(const QString& n, qint16 punti, const QString& esiti, qint32 vincita)
{
    return slot(nome(n) + le16(punti) + esiti.leftJustified(6, 'n').toLatin1() + le32(vincita));
}

QByteArray giornata(const QString& c1, const QString& f1, const QString& r1, const QString& c2, const QString& f2,
                    const QString& r2)
{
    return slot(nome(c1) + nome(f1) + r1.toLatin1().leftJustified(17, ' ', true) + nome(c2) + nome(f2)
                + r2.toLatin1().leftJustified(17, ' ', true));
}

struct Cartella {
    QTemporaryDir dir;
    QString path(const QString& n) const { return dir.filePath(n); }
    void scrivi(const QString& n, const QList<QByteArray>& slots_)
    {
        QFile f(path(n));
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (const QByteArray& s : slots_)
            f.write(s);
    }
    // The files as the step would leave them.
    QByteArray dopo(const Bilancio& b, const QString& n) const
    {
        for (const FileNuovo& f : b.files)
            if (f.percorso == path(n)) {
                QByteArray out;
                for (const QByteArray& r : f.record)
                    out += r.leftJustified(kRecordSlot, '\0', true);
                return out;
            }
        return "not written";
    }
    QByteArray slotDi(const Bilancio& b, const QString& n, int k) const { return dopo(b, n).mid((k - 1) * 128, 128); }
};

QList<QByteArray> punteggiSegnaposto()
{
    QList<QByteArray> s;
    for (int k = 0; k < 19; ++k)
        s << segnaposto();
    return s;
}

PartitaFinita partita(const Cartella& c, int tipo, int punti1, int punti2, int menu, qint32 m)
{
    PartitaFinita p;
    p.tipoGioco = tipo;
    p.nomi[1] = QStringLiteral("ANNA       ");
    p.nomi[2] = QStringLiteral("BRUNO      ");
    p.vincita[1] = 1200;
    p.vincita[2] = 300;
    p.punti[1] = punti1;
    p.punti[2] = punti2;
    p.esitoGara = punti1 > punti2   ? QStringLiteral("vince ANNA       ")
                : punti2 > punti1   ? QStringLiteral("vince BRUNO      ")
                                    : QStringLiteral("gara in PARITA'");
    p.menuCompleto = menu;
    p.montepremi = m;
    p.giornata = 3;
    p.oggi = kOggi;
    p.fileMontepremi = c.path("m");
    p.filePunteggi = c.path("score");
    if (tipo == 2) {
        p.fileCampionato = c.path("t.002");
        p.fileGiornate = c.path("t.d02");
    } else if (tipo == 3) {
        p.fileStagione = c.path("s.003");
        p.fileClassifica = c.path("s.d03");
    }
    return p;
}

}  // namespace

class TestBilancio : public QObject {
    Q_OBJECT
private slots:
    // Game type by outcome: the jackpot, the match count, and each type's
    // records, against bytes written out by hand.
    void everyGameTypeRecordsEveryOutcome_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("punti1");
        QTest::addColumn<int>("punti2");
        QTest::addColumn<int>("menu");
        QTest::addColumn<qint32>("montepremi");
        for (int tipo = 1; tipo <= 3; ++tipo) {
            const QByteArray t = tipo == 1 ? "single" : tipo == 2 ? "tournament" : "season";
            QTest::addRow("%s, a win", t.constData()) << tipo << 1 << 0 << 0 << (tipo == 2 ? 1500 : 1750);
            QTest::addRow("%s, a win with the menu", t.constData()) << tipo << 0 << 2 << 2 << (tipo == 2 ? 1500 : 1000);
            QTest::addRow("%s, a draw", t.constData()) << tipo << 1 << 1 << 0 << (tipo == 2 ? 1500 : 1750);
            QTest::addRow("%s, a draw with both menus", t.constData()) << tipo << 2 << 2 << 3 << (tipo == 2 ? 1500 : 1000);
        }
    }
    void everyGameTypeRecordsEveryOutcome()
    {
        QFETCH(int, tipo);
        QFETCH(int, punti1);
        QFETCH(int, punti2);
        QFETCH(int, menu);
        QFETCH(qint32, montepremi);
        Cartella c;
        // The tournament's fourth match would touch its jackpot; this is its sixth.
        c.scrivi("m", {::montepremi(tipo == 2 ? 5 : 7, 30, 1500)});
        c.scrivi("score", punteggiSegnaposto());
        c.scrivi("t.002", {giocatore("CARLA", 4, "SC", 900), giocatore("ANNA", 2, "-S", 800),
                           giocatore("BRUNO", 1, "C-", 100), giocatore("DARIO", 0, "--", 0)});
        c.scrivi("t.d02", {giornata("A", "B", "da disputare", "C", "D", "da disputare"),
                           giornata("A", "B", "x", "C", "D", "y"),
                           giornata("ANNA", "BRUNO", "da disputare", "CARLA", "DARIO", "da disputare")});
        c.scrivi("s.003", {seggio("ANNA", "CC", 900), seggio("BRUNO", "", 0)});
        c.scrivi("s.d03", punteggiSegnaposto().mid(0, 6));
        const Bilancio b = calcolaBilancio(partita(c, tipo, punti1, punti2, menu, 1500));

        QCOMPARE(b.montepremi, montepremi);
        QCOMPARE(c.slotDi(b, "m", 1), ::montepremi(tipo == 2 ? 6 : 8, 30, montepremi));
        const auto codice = [](int p) { return QString(codiceEsito(p)); };
        const QString esito = punti1 > punti2 ? "vince ANNA       " : punti2 > punti1 ? "vince BRUNO      " : "gara in PARITA'";
        if (tipo == 1) {
            // Both proposed, the loser too, sorted among the placeholders.
            const QByteArray anna = punteggio("ANNA", kOggi, 1, punti1 == 1, punti1 == 2, 1200);
            const QByteArray bruno = punteggio("BRUNO", kOggi, 1, punti2 == 1, punti2 == 2, 300);
            QCOMPARE(c.slotDi(b, "score", 1), anna);
            QCOMPARE(c.slotDi(b, "score", 2), bruno);
            QCOMPARE(c.slotDi(b, "score", 3), segnaposto());
            QCOMPARE(c.dopo(b, "score").size(), 19 * 128);
        } else if (tipo == 2) {
            QCOMPARE(c.slotDi(b, "t.d02", 3), giornata("ANNA", "BRUNO", esito, "CARLA", "DARIO", "da disputare"));
            // Standings: points, then winnings.
            QList<QByteArray> attesi = {giocatore("CARLA", 4, "SC", 900),
                                        giocatore("ANNA", qint16(2 + punti1), "-S" + codice(punti1), 1200),
                                        giocatore("BRUNO", qint16(1 + punti2), "C-" + codice(punti2), 300),
                                        giocatore("DARIO", 0, "--", 0)};
            std::stable_sort(attesi.begin(), attesi.end(), [](const QByteArray& a, const QByteArray& b2) {
                const auto pa = RecGiocatoreCampionato::decodifica(a), pb = RecGiocatoreCampionato::decodifica(b2);
                return pa.Punti != pb.Punti ? pa.Punti > pb.Punti : pa.Vincita > pb.Vincita;
            });
            for (int k = 1; k <= 4; ++k)
                QCOMPARE(c.slotDi(b, "t.002", k), attesi[k - 1]);
            // Not the last match: no one is proposed.
            QCOMPARE(c.slotDi(b, "score", 1), segnaposto());
        } else {
            // A seat whose occupant lost is emptied after its run is proposed.
            const QByteArray vuoto = seggio("           ", "", 0);
            QCOMPARE(c.slotDi(b, "s.003", 1), punti1 == 0 ? vuoto : seggio("ANNA", "CC" + codice(punti1), 1200));
            QCOMPARE(c.slotDi(b, "s.003", 2), punti2 == 0 ? vuoto : seggio("BRUNO", codice(punti2), 300));
            if (punti1 == 0)
                QCOMPARE(c.slotDi(b, "s.d03", 1), punteggio("ANNA", kOggi, 3, 2, 0, 1200));
            if (punti2 == 0) {
                QCOMPARE(c.slotDi(b, "score", 1), punteggio("BRUNO", kOggi, 1, 0, 0, 300));
                QCOMPARE(c.slotDi(b, "s.d03", 1), punteggio("BRUNO", kOggi, 1, 0, 0, 300));
            }
        }
    }

    // The tournament touches its jackpot only after its second and fourth
    // matches; its last match proposes the four players in standings order.
    void theTournamentsJackpotAndItsLastMatch_data()
    {
        QTest::addColumn<int>("giocate");
        QTest::addColumn<int>("menu");
        QTest::addColumn<qint32>("atteso");
        QTest::newRow("after the 1st") << 0 << 1 << 1500;
        QTest::newRow("after the 2nd, nobody's menu") << 1 << 0 << 1750;
        QTest::newRow("after the 2nd, a menu") << 1 << 1 << 1000;
        QTest::newRow("after the 3rd") << 2 << 0 << 1500;
        QTest::newRow("after the 4th") << 3 << 0 << 1750;
        QTest::newRow("after the 5th, a menu") << 4 << 1 << 1500;
        QTest::newRow("after the 12th") << 11 << 0 << 1500;
    }
    void theTournamentsJackpotAndItsLastMatch()
    {
        QFETCH(int, giocate);
        QFETCH(int, menu);
        QFETCH(qint32, atteso);
        Cartella c;
        c.scrivi("m", {montepremi(qint16(giocate), 12, 1500)});
        c.scrivi("score", punteggiSegnaposto());
        c.scrivi("t.002", {giocatore("ANNA", 8, "SCCS-C", 900), giocatore("BRUNO", 2, "C-C---", 100),
                           giocatore("CARLA", 2, "--CC--", 50), giocatore("DARIO", 0, "------", 0)});
        PartitaFinita p = partita(c, 2, menu ? 2 : 1, 0, menu, 1500);
        p.giornata = 6;
        const Bilancio b = calcolaBilancio(p);
        QCOMPARE(b.montepremi, atteso);
        if (giocate == 11) {
            QCOMPARE(c.slotDi(b, "score", 1), punteggio("ANNA", kOggi, 6, 3, 2, 1200));
            QCOMPARE(c.slotDi(b, "score", 2), punteggio("BRUNO", kOggi, 6, 2, 0, 300));
            QCOMPARE(c.slotDi(b, "score", 3), punteggio("CARLA", kOggi, 6, 2, 0, 50));
            // DARIO, without winnings, stays below the placeholders he met.
            QCOMPARE(c.slotDi(b, "score", 19), punteggio("DARIO", kOggi, 6, 0, 0, 0));
        } else {
            QCOMPARE(c.slotDi(b, "score", 1), segnaposto());
        }
    }

    // The season: the 30th win empties the champion's seat and proposes his
    // run; the season's last match empties both seats, whoever won.
    void theSeasonsRunsEnd_data()
    {
        QTest::addColumn<int>("partite");
        QTest::addColumn<int>("giocate");
        QTest::addColumn<bool>("vuoti");
        QTest::addColumn<bool>("limite");
        QTest::newRow("a 29th match won") << 28 << 10 << false << false;
        QTest::newRow("the 30th match won") << 29 << 10 << true << true;
        QTest::newRow("the season's last match") << 3 << 49 << true << false;
    }
    void theSeasonsRunsEnd()
    {
        QFETCH(int, partite);
        QFETCH(int, giocate);
        QFETCH(bool, vuoti);
        QFETCH(bool, limite);
        Cartella c;
        c.scrivi("m", {montepremi(qint16(giocate), 50, 1500)});
        c.scrivi("score", punteggiSegnaposto());
        c.scrivi("s.003", {seggio("ANNA", QString(partite, u'C'), 900), seggio("BRUNO", "", 0)});
        c.scrivi("s.d03", punteggiSegnaposto().mid(0, 6));
        const Bilancio b = calcolaBilancio(partita(c, 3, 1, 1, 0, 1500));
        QCOMPARE(b.campioniAlLimite, limite ? QList<int>{1} : QList<int>{});
        QCOMPARE(int(b.seggi[1].Partite), partite + 1);
        const QByteArray vuoto = seggio("           ", "", 0);
        QCOMPARE(c.slotDi(b, "s.003", 1) == vuoto, vuoti);
        QCOMPARE(c.slotDi(b, "s.003", 2) == vuoto, giocate == 49);
        if (vuoti)
            QCOMPARE(c.slotDi(b, "s.d03", 1), punteggio("ANNA", kOggi, qint16(partite + 1), qint16(partite + 1), 0, 1200));
    }

    // The sort: winnings, then matches, then supers, then champions, then the
    // earlier date; an entry without winnings never climbs.
    void theSortsTieOrder()
    {
        const auto r = [](const char* n, QDate d, qint16 gare, qint16 c, qint16 s, qint32 v) {
            return RecPunteggio::decodifica(punteggio(QString::fromLatin1(n), d, gare, c, s, v));
        };
        const QDate prima(2020, 1, 1), dopo(2021, 1, 1);
        QList<RecPunteggio> voci = {r("ZERO", prima, 9, 9, 9, 0),     r("DATA2", dopo, 2, 1, 1, 500),
                                    r("CAMP", dopo, 2, 2, 1, 500),    r("SUPER", dopo, 2, 0, 2, 500),
                                    r("GARE", dopo, 3, 0, 0, 500),    r("DATA1", prima, 2, 1, 1, 500),
                                    r("RICCO", dopo, 1, 0, 0, 9000)};
        ordinaPunteggi(voci);
        QStringList ordine;
        for (const RecPunteggio& v : voci)
            ordine << v.Nome.str().trimmed();
        QCOMPARE(ordine, (QStringList{"RICCO", "GARE", "SUPER", "CAMP", "DATA1", "DATA2", "ZERO"}));
    }

    // A file shorter than its records reads as zeros and blanks, and the
    // step writes only the records the file type has.
    void aShortFileNeverMakesTheStepFail()
    {
        Cartella c;
        c.scrivi("m", {QByteArray("\x03\x00", 2)});
        c.scrivi("score", {segnaposto(), QByteArray(40, 'x')});
        const Bilancio b = calcolaBilancio(partita(c, 1, 1, 0, 0, 1500));
        QCOMPARE(c.slotDi(b, "m", 1), montepremi(4, 0, 1750));
        QCOMPARE(c.dopo(b, "score").size(), 19 * 128);
        QString errore;
        FakeFileFaults guasti;
        QVERIFY2(scriviFileInsieme(b.files, &errore, guasti), qPrintable(errore));
    }
};

QTEST_GUILESS_MAIN(TestBilancio)
#include "tst_bilancio.moc"

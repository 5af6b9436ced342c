// The best scores over the board: which table each game type opens on, what
// a row shows, the reset of the table shown, and its print.
#include "competitions/frmPunteggi.h"
#include "platform/filefaults.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QFile>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

// A best-score entry as its 128-byte slot, written out field by field.
QByteArray voce(const char* nome, QDate data, qint16 gare, qint16 campione, qint16 super, qint32 vincita)
{
    QByteArray n(nome);
    n = n.leftJustified(11, ' ', true);
    return slot(n + doppio(double(QDate(1899, 12, 30).daysTo(data))) + le16(gare) + le16(campione) + le16(super)
                + le32(vincita));
}

// Nineteen entries, each name telling its file and place ("S1-03").
QByteArray tabella(int file)
{
    QByteArray b;
    for (int k = 1; k <= 19; ++k)
        b += voce(QStringLiteral("S%1-%2").arg(file).arg(k, 2, 10, QLatin1Char('0')).toLatin1().constData(),
                  QDate(2026, 11, k), qint16(40 - k), qint16(k % 4), qint16(k % 3), 100000 - k * 1000);
    return b;
}

struct PunteggiWorld : BoardWorld {
    PunteggiWorld()
    {
        loop().setToday(QDate(2026, 12, 10));
        for (int f = 1; f <= 3; ++f)
            touch(QStringLiteral("scores1/score00%1.dat").arg(f), tabella(f));
    }
    // Opens the board, then the best scores with F4 as a player would.
    frmPunteggi& apriPunteggi(int tipoGioco)
    {
        R = &apri();
        M().bytTipoGioco = quint8(tipoGioco);
        keyClick(*R, Qt::Key_F4);
        frmPunteggi* p = punteggi();
        if (!p)
            qFatal("F4 opened no best scores");
        return *p;
    }
    frmPunteggi* punteggi() { return ctx->screens.find<frmPunteggi>(); }
    QByteArray file(int f) const
    {
        QFile in(path(QStringLiteral("scores1/score00%1.dat").arg(f)));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("missing");
    }
    QStringList riga(frmPunteggi& p, int r)
    {
        return {p.lblNome[r].caption(),     p.lblData[r].caption(),  p.lblGare[r].caption(),
                p.lblCampione[r].caption(), p.lblSuper[r].caption(), p.lblVincita[r].caption()};
    }
    frmRuota* R = nullptr;
};

}  // namespace

class TestPunteggi : public QObject {
    Q_OBJECT
private slots:
    // Each game type opens its own table, with the board held while it is
    // up and given back by "Ok".
    void opensOnTheCurrentGameTypesTable_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("voce");
        QTest::newRow("no game yet: the single match") << 0 << 0;
        QTest::newRow("single match") << 1 << 0;
        QTest::newRow("tournament") << 2 << 1;
        QTest::newRow("season") << 3 << 2;
    }
    void opensOnTheCurrentGameTypesTable()
    {
        QFETCH(int, tipo);
        QFETCH(int, voce);
        PunteggiWorld w;
        frmPunteggi& p = w.apriPunteggi(tipo);
        QVERIFY(p.visible());
        QVERIFY(!w.R->enabled());
        QCOMPARE(p.cboSceltaClassifica.listIndex(), voce);
        QCOMPARE(p.cboSceltaClassifica.text(), (QStringList{"Gara a 2 giocatori", "Campionato a 4 giocatori", "Stagione"}[voce]));
        QCOMPARE(p.fileCorrente(), w.path(QStringLiteral("scores1/score00%1.dat").arg(voce + 1)));
        QCOMPARE(p.lblNome[0].caption(), QStringLiteral("S%1-01      ").arg(voce + 1));
        QCOMPARE(p.lblNome[14].caption(), QStringLiteral("S%1-15      ").arg(voce + 1));
        for (const char* immagine : {"records.jpg", "risultato1.gif", "risultato2.gif"})
            QVERIFY(w.fakes.pictures.requested.contains(w.path(QStringLiteral("images1/%1").arg(immagine))));
        w.click(p.cmdRitorna);
        QVERIFY(!w.punteggi());
        QVERIFY(w.R->enabled());
        QCOMPARE(w.M().bytTipoGioco, quint8(tipo));
    }

    // A row as the player reads it: the date in the short form, the amount
    // grouped by thousands with ",00" after it, "€. 0" for nothing; places a
    // short file does not hold stay empty.
    void aRowShowsItsEntry()
    {
        PunteggiWorld w;
        w.touch("scores1/score001.dat", voce("CARLA", QDate(2027, 1, 5), 12, 3, 1, 1234567)
                                            + voce("  unknown  ", QDate(2004, 4, 1), 0, 0, 0, 0));
        frmPunteggi& p = w.apriPunteggi(1);
        QCOMPARE(w.riga(p, 0), (QStringList{"CARLA      ", "05/01/2027", "12", "3", "1", "€. 1.234.567"}));
        QVERIFY(p.Label1[0].visible());
        QCOMPARE(p.Label1[0].caption(), QStringLiteral(",00"));
        QCOMPARE(w.riga(p, 1), (QStringList{"  unknown  ", "01/04/2004", "0", "0", "0", "€. 0"}));
        QCOMPARE(w.riga(p, 2), (QStringList{"", "", "", "", "", ""}));
        QVERIFY(!p.Label1[2].visible());
        QCOMPARE(p.lblPosto[14].caption(), QStringLiteral("15."));
    }

    // "Azzera" acts on the table shown, not on the game type's: records 1 to
    // 15 become empty places dated today, 16 to 19 and the other tables stay.
    void resetClearsTheTableShown_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("yes") << int(mb::Yes);
        QTest::newRow("no") << int(mb::No);
    }
    void resetClearsTheTableShown()
    {
        QFETCH(int, risposta);
        PunteggiWorld w;
        frmPunteggi& p = w.apriPunteggi(1);
        p.cboSceltaClassifica.setListIndex(1);
        QCOMPARE(p.lblNome[0].caption(), QStringLiteral("S2-01      "));
        const QByteArray prima[] = {w.file(1), w.file(2), w.file(3)};
        w.fakes.messages.setNextAnswer(risposta);
        w.click(p.cmdAzzera);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        const auto& d = w.fakes.messages.asked.first();
        QCOMPARE(d.prompt, QStringLiteral("Vuoi veramente cancellare tutti i punteggi?"));
        QCOMPARE(d.flags, mb::YesNo | mb::Exclamation | mb::DefaultButton2);
        QCOMPARE(d.title, QStringLiteral("ATTENZIONE!"));
        QCOMPARE(w.file(1), prima[0]);
        QCOMPARE(w.file(3), prima[2]);
        QCOMPARE(w.M().bytTipoGioco, quint8(1));
        if (risposta == mb::No) {
            QCOMPARE(w.file(2), prima[1]);
            QCOMPARE(p.lblNome[0].caption(), QStringLiteral("S2-01      "));
            return;
        }
        QByteArray atteso;
        for (int k = 1; k <= 15; ++k)
            atteso += voce("  unknown  ", QDate(2026, 12, 10), 0, 0, 0, 0);
        atteso += prima[1].mid(15 * 128);
        QCOMPARE(w.file(2), atteso);
        for (int r : {0, 14})
            QCOMPARE(w.riga(p, r), (QStringList{"  unknown  ", "10/12/2026", "0", "0", "0", "€. 0"}));
    }

    // A reset the disk refuses leaves the table as it was and says so.
    void aRefusedResetIsToldAndChangesNothing()
    {
        PunteggiWorld w;
        frmPunteggi& p = w.apriPunteggi(3);
        const QByteArray prima = w.file(3);
        w.fakes.fileFaults.refuseNext(FileStep::Write, w.path("scores1/score003.dat"));
        w.fakes.messages.setNextAnswer(mb::Yes);
        w.click(p.cmdAzzera);
        QCOMPARE(w.file(3), prima);
        QCOMPARE(w.fakes.messages.asked.size(), 2);
        QCOMPARE(w.fakes.messages.asked.last().title, QStringLiteral("ATTENZIONE!"));
        QVERIFY(w.fakes.messages.asked.last().prompt.contains(QStringLiteral("disco pieno")));
        QCOMPARE(p.lblNome[0].caption(), QStringLiteral("S3-01      "));
    }

    // The print: the heading, then one line a place in columns of equal-width
    // characters at 18 points; where it went told only when it was a file,
    // and a failed job told as such.
    void printsTheTableShown_data()
    {
        QTest::addColumn<bool>("senzaStampante");
        QTest::addColumn<bool>("guasto");
        QTest::addColumn<QString>("avviso");
        QTest::newRow("on a printer") << false << false << QString();
        QTest::newRow("no printer: a PDF file, its path told")
            << true << false << QStringLiteral("/home/giocatore/Documenti/Zolmera.pdf");
        QTest::newRow("a failed job") << false << true << QStringLiteral("ATTENZIONE!");
    }
    void printsTheTableShown()
    {
        QFETCH(bool, senzaStampante);
        QFETCH(bool, guasto);
        QFETCH(QString, avviso);
        PunteggiWorld w;
        w.touch("scores1/score002.dat", tabella(2).left(2 * 128) + voce("CARLA", QDate(2027, 1, 5), 12, 3, 1, 1234)
                                            + tabella(2).mid(3 * 128));
        frmPunteggi& p = w.apriPunteggi(2);
        w.fakes.printer.noPrinter = senzaStampante;
        w.fakes.printer.failing = guasto;
        w.click(p.lblStampa);
        QCOMPARE(w.fakes.printer.documents.size(), 1);
        const auto& doc = w.fakes.printer.documents.first();
        QStringList righe;
        for (const auto& l : doc.lines) {
            QCOMPARE(l.size, 18.0);
            QVERIFY(l.fixedPitch);
            righe << l.text;
        }
        QCOMPARE(righe.mid(0, 3), (QStringList{"CLASSIFICA DEI MIGLIORI PUNTEGGI",
                                               "N. Nome        Data        G  C  S  Vincita",
                                               "01 S2-01       01/11/2026 39 01 01 €. 99.000,00"}));
        QCOMPARE(righe.size(), 2 + 15);
        QCOMPARE(righe[4], QStringLiteral("03 CARLA       05/01/2027 12 03 01 €. 1.234,00"));
        QVERIFY(righe.last().startsWith(QStringLiteral("15 S2-15 ")));
        // The blank lines of the heading keep their place: the title on the
        // second line, the first place on the sixth.
        QCOMPARE(doc.lines[1].y - doc.lines[0].y, 2 * doc.lines[0].y);
        QCOMPARE(doc.lines[2].y - doc.lines[1].y, 2 * doc.lines[0].y);
        QCOMPARE(doc.ended, !guasto);
        const auto& asked = w.fakes.messages.asked;
        if (avviso.isEmpty()) {
            QVERIFY(asked.isEmpty());
        } else {
            QCOMPARE(asked.size(), 1);
            QVERIFY(asked.first().prompt.contains(avviso) || asked.first().title == avviso);
        }
        QCOMPARE(w.file(2).size(), 19 * 128);
    }
};

ZOLMERA_TEST_MAIN(TestPunteggi)
#include "tst_frmPunteggi.moc"

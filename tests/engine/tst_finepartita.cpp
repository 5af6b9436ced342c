// The end step: the jackpot paid once, the board's first-phase look, the
// books closed (or, when a file cannot be written, nothing recorded and
// nothing paid), the proclamation and the spoken queue.
#include "competitions/frmNuovo.h"
#include "platform/filefaults.h"
#include "platform/recordfile.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {

QByteArray montepremi(qint16 giocate, qint16 totale, qint32 m) { return slot(le16(giocate) + le16(totale) + le32(m)); }

QByteArray contenuto(const TestWorld& w, const QString& n)
{
    QFile f(w.path(n));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

// A board at the end of turn 8, "Salva risultati" on its step button.
struct Fine : BoardWorld {
    explicit Fine(qint32 jackpot = 1500)
    {
        touch("scores1/mtpremi.dat", montepremi(4, 0, jackpot));
        M().strFileMontepremi = path("scores1/mtpremi.dat");
        M().strFilePunteggi = path("scores1/score001.dat");
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        R = &apri();
        run([&] {
            R->turni.intTurno = 8;
            R->cmdFine.setCaption(QStringLiteral("Salva risultati"));
            R->cmdFine.setVisible(true);
            R->cmdFine.setEnabled(true);
            R->Salva.setEnabled(true);
        });
    }
    // Courses and tallies of the two contestants, and who completed the menu.
    void portate(int c1, int t1, int c2, int t2, int menu)
    {
        R->esito.varPortateVinte[1] = c1;
        R->esito.intPesoPortate[1] = qint16(t1);
        R->esito.varPortateVinte[2] = c2;
        R->esito.intPesoPortate[2] = qint16(t2);
        M().bytMenuCompleto = quint8(menu);
    }
    QByteArray file(const QString& n) const { return contenuto(*this, n); }
    frmRuota* R = nullptr;
};

}  // namespace

class TestFinePartita : public QObject {
    Q_OBJECT
private slots:
    // The payout, on top of what each holds; the result by courses, then the
    // lower tally, never by money; the proclamation with spoken comments off.
    void payoutResultAndProclamation_data()
    {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QList<int>>("portate");   // courses 1, tally 1, courses 2, tally 2
        QTest::addColumn<QList<int>>("prima");
        QTest::addColumn<QList<int>>("dopo");
        QTest::addColumn<QString>("proclama");
        QTest::addColumn<QString>("primoSuono");
        const QString vince1 = QStringLiteral("Il vincitore è ANNA       ");
        const QString vince2 = QStringLiteral("Il vincitore è BRUNO      ");
        QTest::newRow("both menus, 1001: 0 -> 500, 1 -> 502")
            << 3 << QList<int>{5, 1800, 5, 1800} << QList<int>{0, 1} << QList<int>{500, 502}
            << QStringLiteral("ANNA        e BRUNO       sono campioni pari merito") << "duesuper.wav";
        QTest::newRow("fewer courses, more money: still loses")
            << 0 << QList<int>{2, 700, 3, 1300} << QList<int>{90000, 10} << QList<int>{90000, 10} << vince2
            << "campione.wav";
        QTest::newRow("equal courses: the lower tally wins")
            << 0 << QList<int>{3, 1100, 3, 1200} << QList<int>{0, 0} << QList<int>{0, 0} << vince1 << "campione.wav";
        QTest::newRow("the menu: the whole jackpot")
            << 1 << QList<int>{5, 1800, 2, 600} << QList<int>{100, 0} << QList<int>{1101, 0} << vince1
            << "supercampione.wav";
        QTest::newRow("a draw without menus")
            << 0 << QList<int>{1, 500, 1, 500} << QList<int>{0, 0} << QList<int>{0, 0}
            << QStringLiteral("ANNA        e BRUNO       sono campioni pari merito") << "patta.wav";
    }
    void payoutResultAndProclamation()
    {
        QFETCH(int, menu);
        QFETCH(QList<int>, portate);
        QFETCH(QList<int>, prima);
        QFETCH(QList<int>, dopo);
        QFETCH(QString, proclama);
        QFETCH(QString, primoSuono);
        Fine w(1001);
        frmRuota& R = *w.R;
        w.portate(portate[0], portate[1], portate[2], portate[3], menu);
        w.M().lngVincita[1] = prima[0];
        w.M().lngVincita[2] = prima[1];
        w.M().strParlato.clear();
        w.passo();
        QCOMPARE(w.M().lngVincita[1], dopo[0]);
        QCOMPARE(w.M().lngVincita[2], dopo[1]);
        QCOMPARE(R.lblScore2.caption(), dopo[1] == 0 ? QStringLiteral("0") : QString::number(dopo[1]));
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Fine partita"));
        QVERIFY(!R.Salva.enabled() && !R.cmdGira1.enabled() && !R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kBlu);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].prompt, proclama);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("PROCLAMAZIONE VINCITORE"));
        QCOMPARE(w.fakes.messages.asked[0].flags, mb::OKOnly | mb::Information);
        QCOMPARE(R.discorso.strCodaAudio[1], w.path("sounds1/" + primoSuono));
        QCOMPARE(R.discorso.strCodaAudio[3], w.path("sounds1/stacchetto.wav"));
        QVERIFY(R.discorso.strCodaAudio[4].contains(QRegularExpression("adomani[1-4]\\.wav$")));
        QCOMPARE(R.discorso.strCodaAudio[2].isEmpty(), R.finePartita.varEsitoGara == QStringLiteral("gara in PARITA'"));
    }

    // The two ways in, either order: the jackpot is paid once, and the
    // spoken queue replaces the box when spoken comments are on.
    void theStepRunsOnce_data()
    {
        QTest::addColumn<bool>("menuPrima");
        QTest::newRow("Salva, then the button") << true;
        QTest::newRow("the button, then Salva") << false;
    }
    void theStepRunsOnce()
    {
        QFETCH(bool, menuPrima);
        Fine w(2000);
        frmRuota& R = *w.R;
        w.portate(5, 1800, 1, 500, 1);
        w.M().strParlato = QStringLiteral("Play");
        if (menuPrima) {
            w.run([&] { R.Salva_Click(); });
            QCOMPARE(R.cmdFine.caption(), QStringLiteral("Fine partita"));
            w.run([&] { R.Salva_Click(); });
        } else {
            w.passo();
            w.run([&] { R.Salva_Click(); });
        }
        QCOMPARE(w.M().lngVincita[1], 2000);
        QVERIFY(w.fakes.messages.asked.isEmpty());
        QCOMPARE(w.file("scores1/mtpremi.dat"), montepremi(5, 0, 1000));
        QCOMPARE(R.discorso.varPosCoda, 1);
        // "Fine partita" closes the board once the match is recorded.
        w.passo();
        QVERIFY(!w.ctx->screens.find<frmRuota>());
    }

    // The spoken queue plays its slots one after another, skipping the empty
    // voice of a draw, and is emptied past its end.
    void theSpokenQueueStepsThroughItsSlots()
    {
        Fine w;
        frmRuota& R = *w.R;
        for (const char* f : {"patta.wav", "stacchetto.wav", "adomani1.wav", "adomani2.wav", "adomani3.wav", "adomani4.wav"})
            w.touch(QStringLiteral("sounds1/") + QLatin1String(f), onda(1.0));
        w.portate(2, 600, 2, 600, 0);
        w.M().strParlato = QStringLiteral("Play");
        w.passo();
        w.advance(10);
        const QStringList sentiti = w.fakes.audio.played("frmRuota.mmcMusica");
        QCOMPARE(sentiti.mid(0, 2), (QStringList{"patta.wav", "stacchetto.wav"}));
        QVERIFY(sentiti.value(2).startsWith(QLatin1String("adomani")));
        QCOMPARE(sentiti.size(), 3);
        QVERIFY(R.discorso.varPosCoda > 15);
        QVERIFY(R.discorso.strCodaAudio[1].isEmpty());
    }

    // A file that cannot be written: nothing recorded, nothing paid, the
    // player told, and the step can be tried again.
    void aRefusedWriteRecordsNothingAndPaysNothing()
    {
        Fine w(1500);
        frmRuota& R = *w.R;
        const QList<QByteArray> punteggi(19, slot(QByteArray(11, ' ')));
        QByteArray tabella;
        for (const QByteArray& p : punteggi)
            tabella += p;
        w.touch("scores1/score001.dat", tabella);
        const QByteArray jackpot = w.file("scores1/mtpremi.dat");
        w.portate(5, 1800, 1, 500, 1);
        w.M().lngVincita[1] = 40;
        w.fakes.fileFaults.refuseNext(FileStep::Rename, w.path("scores1/score001.dat"));
        w.passo();
        QCOMPARE(w.file("scores1/mtpremi.dat"), jackpot);
        QCOMPARE(w.file("scores1/score001.dat"), tabella);
        QCOMPARE(w.M().lngVincita[1], 40);
        QCOMPARE(w.M().lngMontepremi, 1500);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("ATTENZIONE!"));
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Salva risultati"));
        QVERIFY(R.Salva.enabled());
        // Tried again, it records the match and pays once.
        w.passo();
        QCOMPARE(w.M().lngVincita[1], 1540);
        QCOMPARE(w.file("scores1/mtpremi.dat"), montepremi(5, 0, 1000));
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Fine partita"));
    }

    // A file of the step that is there but cannot be read (here a folder in
    // its place) would be written back as zeros over what it holds: nothing
    // is recorded or paid, and the player is told which file it is.
    void anUnreadableFileRecordsNothing_data()
    {
        QTest::addColumn<QString>("illeggibile");
        QTest::addColumn<QString>("altro");
        QTest::newRow("the jackpot file") << "scores1/mtpremi.dat" << "scores1/score001.dat";
        QTest::newRow("the best scores") << "scores1/score001.dat" << "scores1/mtpremi.dat";
    }
    void anUnreadableFileRecordsNothing()
    {
        QFETCH(QString, illeggibile);
        QFETCH(QString, altro);
        Fine w(1500);
        frmRuota& R = *w.R;
        w.touch("scores1/score001.dat", QByteArray(19 * 128, ' '));
        QFile::remove(w.path(illeggibile));
        QVERIFY(QDir().mkpath(w.path(illeggibile)));
        const QByteArray prima = w.file(altro);
        w.portate(5, 1800, 1, 500, 1);
        w.passo();
        QCOMPARE(w.file(altro), prima);
        QVERIFY(QFileInfo(w.path(illeggibile)).isDir());
        QCOMPARE(w.M().lngVincita[1], 0);
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QVERIFY2(w.fakes.messages.asked[0].prompt.contains(w.path(illeggibile)), qPrintable(w.fakes.messages.asked[0].prompt));
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Salva risultati"));
    }

    // The season champion's thirtieth win: his message, and no proclamation.
    void theChampionsMessageStandsForTheProclamation()
    {
        Fine w;
        frmRuota& R = *w.R;
        w.M().bytTipoGioco = 3;
        w.M().strFileStagione = w.path("saved1/s.003");
        w.M().strFileClassifica = w.path("saved1/s.d03");
        w.M().strFilePunteggi = w.path("scores1/score003.dat");
        const QByteArray seggio = slot(QByteArray("ANNA       ") + le16(29) + QByteArray(29, 'C') + "n" + le32(100));
        w.touch("saved1/s.003", seggio + slot(QByteArray(11, ' ') + le16(0) + QByteArray(30, 'n') + le32(0)));
        w.portate(3, 900, 1, 100, 0);
        w.M().strParlato.clear();
        w.passo();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].title, QStringLiteral("MESSAGGIO PER IL CAMPIONE"));
        QCOMPARE(w.fakes.messages.asked[0].prompt,
                 QStringLiteral("Il campione il carica ANNA        deve lasciare il titolo per aver raggiunto il limite "
                                "delle 30 vittorie consecutive"));
        QCOMPARE(R.finePartita.varEsitoGara, QStringLiteral("vince ANNA       "));
    }

    // A whole single match, from "Nuova partita" back to the start screen:
    // every challenge void, nobody's menu, a draw; the single match's jackpot
    // and best scores recorded, the other tables untouched.
    void aWholeSingleMatch()
    {
        BoardWorld w;
        const QByteArray vuota = slot(QByteArray("  unknown  ") + doppio(toVbDate(QDate(2004, 4, 1))) + QByteArray(10, '\0'));
        QByteArray tabella;
        for (int k = 0; k < 19; ++k)
            tabella += vuota;
        for (const char* f : {"scores1/score001.dat", "scores1/score002.dat", "scores1/score003.dat"})
            w.touch(QLatin1String(f), tabella);
        w.touch("scores1/mtpremi.dat", montepremi(0, 0, 1000));
        impostazioniSenzaPresentazione(w);
        Form* menu = nullptr;
        w.run([&] {
            menu = w.ctx->rotte.carica(Schermo::Avvio);
            menu->show();
        });
        w.click(static_cast<frmMenu*>(menu)->cmdGioca);
        auto* nuovo = w.ctx->screens.find<frmNuovo>();
        QVERIFY(nuovo);
        nuovo->txtGiocatore1.setText(QStringLiteral("Anna"));
        nuovo->txtGiocatore2.setText(QStringLiteral("Bruno"));
        w.click(nuovo->cmdCrea);
        frmRuota* R = w.ctx->screens.find<frmRuota>();
        QVERIFY(R && R->visible());
        QCOMPARE(w.M().lngMontepremi, 1000);
        w.sostituisciProve(*R);
        for (int turno = 1; turno <= 8; ++turno) {
            w.passo();
            if (ProvaDiProva* p = w.prova()) {
                w.run([&] { p->nulla(); });
            } else {
                QVERIFY(R->Frame4.visible());
                w.secondaFaseSenzaRisposte();
            }
        }
        QCOMPARE(R->cmdFine.caption(), QStringLiteral("Salva risultati"));
        w.M().strParlato.clear();   // the proclamation comes in a box
        w.passo();
        QVERIFY(!w.fakes.messages.asked.isEmpty());
        QCOMPARE(w.fakes.messages.asked.last().prompt,
                 QStringLiteral("ANNA        e BRUNO       sono campioni pari merito"));
        w.passo();
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(menu->visible());

        QFile punteggi(w.path("scores1/score001.dat"));
        QVERIFY(punteggi.open(QIODevice::ReadOnly));
        const QByteArray dopo = punteggi.readAll();
        QCOMPARE(dopo.size(), 19 * 128);
        // No winnings: the two entries stay in their places, after the placeholders.
        const QByteArray oggi = doppio(toVbDate(w.loop().today()));
        QCOMPARE(dopo.mid(15 * 128, 128), slot(QByteArray("ANNA       ") + oggi + le16(1) + le16(1) + le16(0) + le32(0)));
        QCOMPARE(dopo.mid(16 * 128, 128), slot(QByteArray("BRUNO      ") + oggi + le16(1) + le16(1) + le16(0) + le32(0)));
        QCOMPARE(contenuto(w, "scores1/mtpremi.dat"), montepremi(1, 0, 1250));
        QCOMPARE(contenuto(w, "scores1/score002.dat"), tabella);
        QCOMPARE(contenuto(w, "scores1/score003.dat"), tabella);
    }
};

ZOLMERA_TEST_MAIN(TestFinePartita)
#include "tst_finepartita.moc"

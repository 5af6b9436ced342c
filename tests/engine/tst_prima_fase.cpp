// One whole first phase of a match in virtual time: six challenges, their
// hand-backs, the booking questions with their answers, and the spins.
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

class TestPrimaFase : public QObject {
    Q_OBJECT
private slots:
    void fromTheFirstChallengeToTheSecondPhase()
    {
        BoardWorld w;
        for (const char* s : {"suono1.wav", "suono2.wav", "ruota.wav"})
            w.touch(QStringLiteral("sounds1/") + s, onda(0.5));
        for (int n = 1; n <= 6; ++n) {
            w.touch(QStringLiteral("sounds1/esatto%1.wav").arg(n), onda(0.5));
            w.touch(QStringLiteral("sounds1/nullo%1.wav").arg((n + 1) / 2), onda(0.5));
        }
        w.M().strParlato = "Play";
        frmRuota& R = w.apri();
        w.sostituisciProve(R);

        // A contestant's spin by his key, to a chosen cell.
        auto gira = [&](int chi, int cella) {
            QVERIFY((chi == 1 ? R.cmdGira1 : R.cmdGira2).enabled());
            w.preparaLancio(cella, 44);
            const Qt::Key tasto = chi == 1 ? Qt::Key_X : Qt::Key_M;
            const QString testo = chi == 1 ? "x" : "m";
            w.keyPress(R, tasto, testo);
            w.advance(1.25);
            w.keyRelease(R, tasto, testo);
            QVERIFY(w.finoAFermo());
            QCOMPARE(int(w.M().varPosRuota), cella);
        };
        // A short challenge hands over its question; the script plays in it.
        auto domanda = [&](const std::function<void(double)>& copione) {
            copione(w.loop().now());
            w.run([&] {
                ScriviOpzioni(*w.ctx, "", "", "");
                w.M().strRispostaEsatta = "7";
                w.prova()->armaDomanda("Quanti?");
            });
            QVERIFY(w.finoA([&] { return !R.tmrSecondi.enabled(); }, 1));
        };
        auto turno = [&](const QString& lancio, const QString& didascalia) {
            w.passo();
            QVERIFY(w.lanci.last().startsWith(lancio));
            QVERIFY(!R.cmdFine.visible());
            QCOMPARE(R.cmdFine.caption(), didascalia);
        };

        turno("P", "Inizia prova  2");
        w.run([&] { w.prova()->vince(1); });
        gira(1, 4);

        turno("p", "Inizia prova  3");
        domanda([&](double t) {
            w.loop().at(t + 2, [&] { w.keyClick(R, Qt::Key_N, "n"); });
            w.loop().at(t + 4, [&] {
                w.keyClick(R, Qt::Key_7, "7");
                w.click(R.cmdOK);
            });
        });
        QVERIFY(!R.cmdFine.visible());
        gira(2, 12);

        turno("P", "Inizia prova  4");
        w.run([&] { w.prova()->nulla(); });

        turno("P", "Inizia prova  5");
        w.run([&] { w.prova()->vince(2); });
        gira(2, 40);

        turno("p", "Inizia prova  6");
        domanda([](double) {});
        QVERIFY(R.cmdFine.visible() && !R.Frame2.visible());

        turno("P", "Inizia seconda fase");
        w.run([&] { w.prova()->vince(1); });
        gira(1, 28);

        QVERIFY(R.cmdFine.visible() && R.cmdFine.enabled() && R.Tobrano.visible());
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Inizia seconda fase"));
        QCOMPARE(R.lblScore1.caption(), QStringLiteral("350"));
        QCOMPARE(R.lblScore2.caption(), QStringLiteral("300"));
        QCOMPARE(R.esito.varPortateVinte[1], 2);
        QCOMPARE(R.esito.varPortateVinte[2], 1);
        QCOMPARE(R.esito.intPesoPortate[1], qint16(700));
        QVERIFY(R.primo1[0].visible() && R.forma1[0].visible() && R.pollo2[0].visible());
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMelodia").filter("esatto").size(), 1);
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMelodia").filter("nullo").size(), 1);
        QVERIFY(!R.cmdGira1.enabled() && !R.cmdGira2.enabled());
    }
};

ZOLMERA_TEST_MAIN(TestPrimaFase)
#include "tst_prima_fase.moc"

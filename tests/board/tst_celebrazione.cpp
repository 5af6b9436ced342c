// The celebration of a completed menu: the audience, the jackpot in large
// type, the blinking of the celebrated contestant, and the board it leaves.
#include "shell/frmComandiGioco.h"
#include "testkit/board.h"

#include <QApplication>

using namespace zolmera;
using namespace zolmera::testing;

namespace {

struct Tavolo : BoardWorld {
    explicit Tavolo(const QString& edizione = "ZOLMER90", bool natale = false)
    {
        M().strModGioco = edizione;
        M().intNatale = natale;
        R = &apri();
        M().lngMontepremi = 2750;   // as if the jackpot file held it
        R->cmdFine.setCaption("Inizia prova  3");
    }
    // Contestant w wins these cells, each spin thrown and ended.
    void vince(int w, const QList<int>& celle)
    {
        for (int c : celle) {
            giroInCorso(w, 0);
            esito(w, c);
        }
    }
    // Element 0 of each row of contestant w, and his station, as "xxxxx x".
    QString lampeggio(int w) const
    {
        QString s;
        for (ControlArray<Image>* riga : R->righePortate(w))
            s += (*riga)[0].visible() ? u'x' : u'.';
        return s + u' ' + ((w == 1 ? R->imgPostaz1 : R->imgPostaz2).visible() ? u'x' : u'.');
    }
    QString ultimaPlatea() const
    {
        for (qsizetype i = fakes.pictures.requested.size() - 1; i >= 0; --i)
            if (fakes.pictures.requested[i].contains("platea"))
                return fakes.pictures.requested[i].section('/', -1);
        return {};
    }
    frmRuota* R = nullptr;
};

const QList<int> kMenu = {4, 8, 12, 16, 20};

}  // namespace

class TestCelebrazione : public QObject {
    Q_OBJECT
private slots:
    void aCompletedMenuIsCelebratedForThirteenSeconds()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.vince(2, {28});
        t.vince(1, kMenu);
        QVERIFY(R.tmrAnimazione.enabled());
        QVERIFY(!R.cmdFine.visible() && !R.Tobrano.visible());

        for (int k = 1; k <= 4; ++k) {
            t.advance(0.25);
            const bool acceso = k % 2 == 1;
            QCOMPARE(R.celebrazione.varPassoAnimazione, k);
            QVERIFY(R.Frame5.visible());
            QCOMPARE(t.lampeggio(1), acceso ? "xxxxx x" : "..... .");
            QCOMPARE(t.lampeggio(2), QStringLiteral("..x.. ."));
            QCOMPARE(t.ultimaPlatea(), acceso ? "platea2.jpg" : "platea1.jpg");
            QCOMPARE(R.lblMontepremi.caption(), QStringLiteral("2.750"));
            QVERIFY(!R.cmdFine.visible() && !R.Tobrano.visible());
        }

        t.advance(12.75 - 1 - 0.01);
        QVERIFY(R.tmrAnimazione.enabled());
        t.advance(0.01);
        QVERIFY(!R.tmrAnimazione.enabled());
        QVERIFY(!R.Frame5.visible());
        QCOMPARE(t.lampeggio(1), QStringLiteral("xxxxx ."));
        QVERIFY(!R.imgPostaz2.visible() && !R.imgPPrenota.visible());
        QVERIFY(R.cmdFine.visible() && R.cmdFine.enabled() && R.Tobrano.visible());
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Inizia prova  3"));
        QVERIFY(!R.Salva.enabled());
        t.advance(1);
        QCOMPARE(R.celebrazione.varPassoAnimazione, 51);
    }

    void theJackpotTypeOfEachLook_data()
    {
        QTest::addColumn<QString>("edizione");
        QTest::addColumn<QString>("font");
        QTest::addColumn<quint32>("colore");
        QTest::addColumn<bool>("grassetto");
        QTest::newRow("ZOLMER90") << "ZOLMER90" << "DomCasual BT" << quint32(0xFF8080) << false;
        QTest::newRow("ZOLMER93") << "ZOLMER93" << "Cheers ttnorm" << quint32(0xFF) << true;
    }
    void theJackpotTypeOfEachLook()
    {
        QFETCH(QString, edizione);
        QFETCH(QString, font);
        QFETCH(quint32, colore);
        QFETCH(bool, grassetto);
        Tavolo t(edizione);
        t.vince(1, kMenu);
        t.advance(0.25);
        QCOMPARE(t.R->lblMontepremi.fontName(), font);
        QCOMPARE(t.R->lblMontepremi.foreColor(), colore);
        QCOMPARE(t.R->lblMontepremi.fontSize(), 20.0);
        QCOMPARE(t.R->lblMontepremi.fontBold(), grassetto);
    }

    void anUnknownLookKeepsTheLabelAndChristmasDressesTheAudience()
    {
        Tavolo t("PROVA", true);
        const QString font = t.R->lblMontepremi.fontName();
        t.run([&] {
            t.M().bytConcorrente = 1;
            t.M().bytMenuCompleto = 1;
            t.R->celebrazione.avvia(1);
        });
        t.advance(0.25);
        QCOMPARE(t.ultimaPlatea(), QStringLiteral("Nplatea2.jpg"));
        t.advance(0.25);
        QCOMPARE(t.ultimaPlatea(), QStringLiteral("Nplatea1.jpg"));
        QCOMPARE(t.R->lblMontepremi.fontName(), font);
        QCOMPARE(t.R->lblMontepremi.caption(), QStringLiteral("2.750"));
    }

    // Both menus completed early: the match jumps to its end.
    void bothMenusLeadToSavingTheResults()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        R.turni.intTurno = 3;
        t.vince(1, kMenu);
        t.vince(2, kMenu);
        QCOMPARE(R.turni.intTurno, 8);
        QVERIFY(!R.cmdFine.visible());
        t.advance(51 * 0.25);
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Salva risultati"));
        QVERIFY(R.Salva.enabled());
        QVERIFY(R.cmdFine.visible() && R.cmdFine.enabled());
    }

    void aSideScreenClosedRestartsTheCount()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.vince(1, kMenu);
        t.advance(30 * 0.25);
        t.run([&] { R.Comandi_Click(); });
        t.click(t.ctx->screens.get<frmComandiGioco>().cmdRitorna);
        QCOMPARE(R.celebrazione.varPassoAnimazione, 0);
        t.advance(51 * 0.25 - 0.01);
        QVERIFY(R.tmrAnimazione.enabled());
        t.advance(0.01);
        QVERIFY(!R.tmrAnimazione.enabled());
    }

    // The other contestant spins while contestant 1 is celebrated: the
    // blinking stays on contestant 1, and the step button waits for the
    // other's spin to end.
    void theOtherContestantSpinsDuringTheCelebration()
    {
        Tavolo t;
        frmRuota& R = *t.R;
        t.vince(2, {28});
        t.vince(1, kMenu);
        t.concedi(2);
        t.preparaLancio(16, 20);
        t.keyPress(R, Qt::Key_M, "m");
        t.advance(0.3);
        t.keyRelease(R, Qt::Key_M, "m");
        QCOMPARE(int(t.M().bytConcorrente), 2);
        QVERIFY(R.tmrTempo.enabled());

        t.finoA([&] { return R.celebrazione.varPassoAnimazione % 2 == 1; }, 1);
        QCOMPARE(t.lampeggio(1), QStringLiteral("xxxxx x"));
        QCOMPARE(t.lampeggio(2), QStringLiteral("..x.. ."));
        t.advance(0.25);
        QCOMPARE(t.lampeggio(1), QStringLiteral("..... ."));
        QCOMPARE(t.lampeggio(2), QStringLiteral("..x.. ."));

        QVERIFY(t.finoA([&] { return !R.tmrAnimazione.enabled(); }, 13));
        QVERIFY2(R.ruota.inMoto(), "the other contestant's wheel still turns");
        QVERIFY(!R.cmdFine.visible());
        QVERIFY(t.finoAFermo());
        QCOMPARE(R.esito.varDolce[2], 1);
        QVERIFY(R.cmdFine.visible() && R.cmdFine.enabled());
    }

    // What the other contestant does ends while contestant 1 is celebrated,
    // leaving nobody a spin: the step button stays hidden (a press on it would
    // start the next challenge under the celebration) until the celebration
    // ends, and then it comes back with the focus.
    void theStepButtonWaitsForTheCelebration_data()
    {
        QTest::addColumn<bool>("jolly");
        QTest::newRow("the other's spin") << false;
        QTest::newRow("the other's jolly choice") << true;
    }
    void theStepButtonWaitsForTheCelebration()
    {
        QFETCH(bool, jolly);
        Tavolo t;
        frmRuota& R = *t.R;
        t.sostituisciProve(R);
        t.vince(2, {28});
        t.vince(1, kMenu);
        t.advance(1);
        t.giroInCorso(2, 0);
        t.esito(2, jolly ? 0 : 24);
        if (jolly) {
            QVERIFY(R.Frame1.visible());
            t.click(R.imgJsecondo);
        }
        QVERIFY(!R.cmdFine.visible());
        t.keyClick(R, Qt::Key_Return);
        QVERIFY(t.lanci.isEmpty());
        QVERIFY(t.finoA([&] { return !R.tmrAnimazione.enabled(); }, 13));
        QVERIFY(R.cmdFine.visible() && R.cmdFine.enabled());
        QCOMPARE(QApplication::focusWidget(), R.cmdFine.widget());
    }

    // A challenge or a booking question runs across the celebration's end:
    // the step button never shows while either is under way, and comes back
    // only when the last of them has ended and nobody holds a spin.
    void theCelebrationsEndLeavesAChallengeOrAQuestionAlone_data()
    {
        QTest::addColumn<bool>("corta");
        QTest::newRow("a full challenge, then its winner's spin") << false;
        QTest::newRow("a booking question nobody books") << true;
    }
    void theCelebrationsEndLeavesAChallengeOrAQuestionAlone()
    {
        QFETCH(bool, corta);
        Tavolo t;
        frmRuota& R = *t.R;
        t.sostituisciProve(R);
        t.vince(1, kMenu);
        t.advance(8);
        t.run([&] { corta ? R.lancio.LanciaProvina() : R.lancio.LanciaProva(); });
        QVERIFY(t.prova());
        QStringList sottoAttivita;
        t.loop().startRepeating(20, [&] {
            const frmRuota::Attivita a = R.attivita();
            if (R.cmdFine.visible() && a.inCorso())
                sottoAttivita << QStringLiteral("%1 s").arg(t.loop().now());
        });
        if (corta) {
            // Its ten seconds, then the void end, all inside the handler.
            t.run([&] { t.prova()->armaDomanda(QStringLiteral("Quanti?")); });
            QVERIFY(t.finoA([&] { return !R.tmrAnimazione.enabled(); }, 15));
            QVERIFY(R.cmdFine.visible());
        } else {
            t.advance(6);
            QVERIFY(!R.tmrAnimazione.enabled());
            QVERIFY(!R.cmdFine.visible());
            t.run([&] { t.prova()->vince(2); });
            QVERIFY(R.cmdGira2.enabled());
            t.advance(1);
            QVERIFY(!R.cmdFine.visible());
        }
        QVERIFY2(sottoAttivita.isEmpty(), qPrintable(sottoAttivita.join(u' ')));
    }
};

ZOLMERA_TEST_MAIN(TestCelebrazione)
#include "tst_celebrazione.moc"

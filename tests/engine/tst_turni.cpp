// The step button through a whole match, and the launch of the challenges.
#include "challenges/base/schede.h"
#include "testkit/segnaposto.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// Ends whatever the turn started with nothing won: a test challenge handed
// back void, a second-phase turn with no right answer.
void consegnaNulla(BoardWorld& w)
{
    if (ProvaDiProva* p = w.prova()) {
        w.run([&] { p->nulla(); });
        return;
    }
    if (w.board().Frame4.visible())
        w.secondaFaseSenzaRisposte();
}
}  // namespace

class TestTurni : public QObject {
    Q_OBJECT
private slots:
    void theStepTableOfAMatch()
    {
        BoardWorld w;
        w.touch("sounds1/domandefinali2.wav", QByteArray());
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Inizia prova 1"));

        struct Riga {
            int turno;
            const char* avvia;   // what the press launched: P full, p short, F second phase
            const char* didascalia;
            int guida;
        };
        const Riga righe[] = {
            {1, "P", "Inizia prova  2", 15},        {2, "p", "Inizia prova  3", 15},
            {3, "P", "Inizia prova  4", 15},        {4, "P", "Inizia prova  5", 15},
            {5, "p", "Inizia prova  6", 15},        {6, "P", "Inizia seconda fase", 17},
            {7, "F", "Continua seconda fase", 17},  {8, "F", "Salva risultati", 15},
        };
        for (const Riga& r : righe) {
            const int lanciPrima = int(w.lanci.size());
            w.passo();
            const QString dove = QStringLiteral("turn %1").arg(r.turno);
            QVERIFY2(R.turni.intTurno == r.turno, qPrintable(dove));
            QVERIFY2(!R.cmdFine.visible() && !R.cmdFine.enabled() && !R.Tobrano.visible(), qPrintable(dove));
            QCOMPARE(R.cmdFine.caption(), QString::fromLatin1(r.didascalia));
            QCOMPARE(R.turni.intArgomentoGuida, r.guida);
            if (*r.avvia == 'F') {
                QCOMPARE(int(w.lanci.size()), lanciPrima);
                QVERIFY2(R.enabled() && R.Frame4.visible(), "the second phase is played on the board");
            } else {
                QVERIFY2(!R.enabled(), "the board waits, disabled, for the window of the turn");
                QCOMPARE(int(w.lanci.size()), lanciPrima + 1);
                QVERIFY(w.lanci.last().startsWith(QLatin1Char(*r.avvia)));
            }
            consegnaNulla(w);
            QVERIFY2(R.enabled() && R.cmdFine.visible() && R.Tobrano.visible(), qPrintable(dove));
        }
        QVERIFY(w.fakes.audio.played("frmRuota.mmcMelodia").isEmpty());   // spoken comments were off

        w.passo();
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Fine partita"));
        QVERIFY(R.cmdFine.visible());
        QCOMPARE(R.turni.intTurno, 8);

        w.passo();
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        auto* menu = w.ctx->screens.find<frmMenu>();
        QVERIFY2(menu && menu->visible(), "a single match returns to the start screen");
    }

    void turnEightSwapsTheContestantAndSpeaks_data()
    {
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("dopo");
        QTest::addColumn<QString>("figura");
        QTest::newRow("from 1 to 2") << 1 << 2 << "presenta4.gif";
        QTest::newRow("from 2 to 1") << 2 << 1 << "presenta3.gif";
    }
    void turnEightSwapsTheContestantAndSpeaks()
    {
        QFETCH(int, prima);
        QFETCH(int, dopo);
        QFETCH(QString, figura);
        BoardWorld w;
        w.M().strParlato = "Play";
        w.M().strNomeConcorrente[1] = QStringLiteral("ANNALISA");
        w.touch("sounds1/domandefinali2.wav", onda(0));
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        for (int t = 1; t <= 6; ++t) {
            w.passo();
            consegnaNulla(w);
        }
        w.passo();   // turn 7
        QCOMPARE(R.secondaFase.intDomandeDaScegliere, 3);
        QVERIFY(R.cmdOpzione[0].enabled() && R.cmdOpzione[1].enabled());
        consegnaNulla(w);
        R.M.bytGiri[1] = 3;
        R.M.bytGiri[2] = 2;
        w.M().bytConcorrente = quint8(prima);
        w.fakes.pictures.requested.clear();
        w.fakes.audio.clear();
        w.passo();   // turn 8: the other contestant
        QCOMPARE(int(w.M().bytConcorrente), dopo);
        QCOMPARE(R.imgPostaz1.visible(), dopo == 1);
        QCOMPARE(R.imgPostaz2.visible(), dopo == 2);
        QVERIFY(R.Frame4.visible());
        const QString nome = dopo == 1 ? QStringLiteral("ANNALISA   ") : QStringLiteral("BRUNO      ");
        QCOMPARE(R.Frame4.caption(), nome + " scegli 3 domande fra le seguenti:");
        QCOMPARE(R.lblMostraRisposte.caption(), QString::number(dopo == 1 ? 3 : 2));
        QCOMPARE(R.secondaFase.varSceltaArgomento, 1);
        QVERIFY(!R.secondaFase.intCambioDomande);
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMelodia"), QStringList{"domandefinali2.wav"});
        QCOMPARE(w.fakes.pictures.requested, QStringList{w.path("images1/" + figura)});
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Salva risultati"));
    }

    void aPressSilencesTheOpeningSpeech()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        for (int i = 1; i <= 15; ++i)
            R.discorso.strCodaAudio[i] = w.path(QStringLiteral("sounds1/parte%1.wav").arg(i));
        R.discorso.varPosCoda = 2;
        w.fakes.audio.clear();
        w.passo();
        QCOMPARE(R.discorso.varPosCoda, 6);
        for (int i = 1; i <= 15; ++i)
            QVERIFY(R.discorso.strCodaAudio[i].isEmpty());
        QCOMPARE(R.prenotazione.varErrori, 0);
    }

    void launchesNeverRepeatATitleWithinAMatch()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        // The draws keep proposing titles already played: each is drawn again.
        auto& rnd = w.fakes.random;
        rnd.pushDraw(7, 20);                                      // turn 1: 7
        rnd.pushDraw(3, 18);                                      // turn 2: 3
        rnd.pushDraw(7, 20), rnd.pushDraw(7, 20), rnd.pushDraw(12, 20);   // turn 3: 7 again, twice, then 12
        rnd.pushDraw(12, 20), rnd.pushDraw(7, 20), rnd.pushDraw(20, 20);  // turn 4: 20
        rnd.pushDraw(3, 18), rnd.pushDraw(18, 18);               // turn 5: 18
        rnd.pushDraw(1, 20);                                      // turn 6: 1
        for (int t = 1; t <= 6; ++t) {
            w.passo();
            consegnaNulla(w);
        }
        QCOMPARE(w.lanci, (QStringList{"P7", "p3", "P12", "P20", "p18", "P1"}));
        QCOMPARE(rnd.pending(), 0);
        QCOMPARE(rnd.randomizes(), 11);   // every attempt reseeds first
        for (int k : {7, 12, 20, 1})
            QVERIFY(R.lancio.strTitoloProva[k].isEmpty());
        QCOMPARE(R.lancio.strTitoloProva[2], QStringLiteral("SCASSA QUINDICI"));
        QVERIFY(R.lancio.strTitoloProvina[3].isEmpty() && R.lancio.strTitoloProvina[18].isEmpty());

        // The next match starts with all 38 titles again.
        w.passo();
        consegnaNulla(w);
        w.passo();
        consegnaNulla(w);
        w.passo();   // Salva risultati
        w.passo();   // Fine partita
        frmRuota& next = w.apri();
        for (int k = 1; k <= 20; ++k)
            QCOMPARE(next.lancio.strTitoloProva[k], schedaProva(k).titolo);
        QCOMPARE(next.lancio.strTitoloProvina[3], QStringLiteral("STORIA IMMAGINARIA"));
    }

    void shortChallengesStartWithTheOptionFontsReset()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        w.passo();
        // A full challenge leaves the option boxes and the typed answer alone.
        R.prenotazione.varRisposta = "PIPPO";
        ImpostaCaratteriOpzioni(*w.ctx, "Webdings", 18);
        consegnaNulla(w);
        QCOMPARE(R.txtOpzione[1].fontName(), QStringLiteral("Webdings"));
        QCOMPARE(R.prenotazione.varRisposta, QStringLiteral("PIPPO"));
        w.passo();   // a short challenge
        ProvaDiProva* p = w.prova();
        QVERIFY(p && p->corta);
        QVERIFY(p->tabelloneBloccatoAlCaricamento);
        QCOMPARE(p->fontOpzioniAlCaricamento, QStringLiteral("Comic Sans MS"));
        QCOMPARE(p->dimensioneOpzioniAlCaricamento, 10.0);
        QVERIFY(R.prenotazione.varRisposta.isEmpty());
    }

    void turnSixPlaysTheBonusOnlyWhenOneContestantHasTheMenu_data()
    {
        QTest::addColumn<int>("menuCompleto");
        QTest::addColumn<QString>("lancio");
        QTest::newRow("nobody") << 0 << "P";
        QTest::newRow("contestant 1") << 1 << "extra";
        QTest::newRow("contestant 2") << 2 << "extra";
        QTest::newRow("both") << 3 << "P";
    }
    void turnSixPlaysTheBonusOnlyWhenOneContestantHasTheMenu()
    {
        QFETCH(int, menuCompleto);
        QFETCH(QString, lancio);
        BoardWorld w;
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        for (int t = 1; t <= 5; ++t) {
            w.passo();
            consegnaNulla(w);
        }
        w.M().bytMenuCompleto = quint8(menuCompleto);
        int vuoti = 0;
        for (int k = 1; k <= 20; ++k)
            vuoti += R.lancio.strTitoloProva[k].isEmpty() ? 1 : 0;
        w.passo();
        QVERIFY(w.lanci.last().startsWith(lancio));
        QVERIFY(!R.enabled());
        int vuotiDopo = 0;
        for (int k = 1; k <= 20; ++k)
            vuotiDopo += R.lancio.strTitoloProva[k].isEmpty() ? 1 : 0;
        QCOMPARE(vuotiDopo, vuoti + (lancio == "P" ? 1 : 0));
    }

    void aWonChallengeLightsTheWinnersSpinAndTheActivationSeesIt()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.sostituisciProve(R);
        w.passo();
        QVERIFY(!R.enabled());
        w.run([&] { w.prova()->vince(2); });
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira2.backColor(), frmRuota::kGiallo);
        QVERIFY(!R.cmdGira1.enabled());
        QVERIFY2(!R.cmdFine.visible(), "a won challenge leaves the step button to the spin");
        QCOMPARE(w.ctx->screens.active(), &R);

        // A void one: the re-activation finds the step button back and focuses it.
        BoardWorld v;
        frmRuota& S = v.apri();
        v.sostituisciProve(S);
        v.passo();
        v.run([&] { v.prova()->nulla(); });
        QVERIFY(S.cmdFine.visible());
        QCOMPARE(S.window()->focusWidget(), S.cmdFine.widget());
    }

    void thePlaceholderChallengeHandsBackVoidAndTheMatchGoesOn()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.segnapostoProva<14>(R);
        w.fakes.random.pushDraw(14, 20);
        w.passo();
        using Domandiere = frmSegnaposto<TipoSegnaposto::Prova, 14>;
        Domandiere* p = w.ctx->screens.find<Domandiere>();
        QVERIFY(p && p->visible());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("IL DOMANDIERE"));
        QCOMPARE(p->lblAvviso.caption(), QStringLiteral("Prova non ancora disponibile"));
        w.click(p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<Domandiere>());
        QVERIFY(R.enabled() && R.cmdFine.visible());
        QCOMPARE(R.cmdFine.caption(), QStringLiteral("Inizia prova  2"));
    }

    void abandoningFromAChallengeClosesTheBoardWithoutASecondQuestion()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.segnapostoProva<5>(R);
        w.fakes.random.pushDraw(5, 20);
        w.passo();
        using Geo = frmSegnaposto<TipoSegnaposto::Prova, 5>;
        Geo* p = w.ctx->screens.find<Geo>();
        w.fakes.messages.setNextAnswer(mb::No);
        p->window()->close();
        w.settle();
        QVERIFY(w.ctx->screens.find<Geo>());
        QVERIFY(!R.enabled());

        w.fakes.messages.setNextAnswer(mb::Yes);
        p->Esci.click();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 2);
        QCOMPARE(w.fakes.messages.asked[1].prompt, QStringLiteral("Sei sicuro di volere abbandonare la partita?"));
        QCOMPARE(w.fakes.messages.asked[1].title, QStringLiteral("ATTENZIONE!"));
        QCOMPARE(w.fakes.messages.asked[1].flags, mb::YesNo | mb::Exclamation | mb::DefaultButton2);
        QVERIFY(!w.ctx->screens.find<Geo>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(!w.M().intEsci);
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
    }
};

ZOLMERA_TEST_MAIN(TestTurni)
#include "tst_turni.moc"

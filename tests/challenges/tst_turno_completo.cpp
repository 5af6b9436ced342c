// A first-phase turn from the board, in virtual time: the step button opens
// the challenge, the contestants play it, and the board takes the outcome.
#include "challenges/action/frmProva3.h"
#include "testkit/segnaposto.h"
#include "challenges/mind/frmProva2.h"
#include "challenges/short/frmProvina1.h"
#include "testkit/board.h"

#include <QApplication>
#include <QPushButton>

using namespace zolmera;
using namespace zolmera::testing;

class TestTurnoCompleto : public QObject {
    Q_OBJECT
private slots:
    // Every full challenge and the slot machine, opened as the board opens
    // them: the start button tells the player, on pointing at it, how to go on.
    void everyStartButtonSaysHowToGoOn()
    {
        for (int k = 0; k <= 20; ++k) {
            BoardWorld w;
            frmRuota& R = w.apri();
            w.run([&] { k == 0 ? R.lancio.catalogo.extra(*w.ctx) : R.lancio.catalogo.prove[std::size_t(k)](*w.ctx); });
            QWidget* avvio = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && top != R.window())
                    if (auto* b = top->findChild<QPushButton*>(QStringLiteral("cmdEsegui")))
                        avvio = b;
            QVERIFY2(avvio, qPrintable(QString::number(k)));
            QVERIFY2(avvio->toolTip().compare(QStringLiteral("Premi QUI per continuare"), Qt::CaseInsensitive) == 0,
                     qPrintable(QStringLiteral("%1: \"%2\"").arg(k).arg(avvio->toolTip())));
        }
    }

    void aDuelPlayedOnTheKeysLightsTheWinnersSpin()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(3, 20);   // MORRA CINESE
        w.passo();
        auto* morra = w.ctx->screens.find<frmProva3>();
        QVERIFY(morra && morra->visible());
        QVERIFY(!R.enabled());
        w.click(morra->cmdEsegui);
        for (int mano = 0; mano < 6; ++mano) {
            w.keyClick(*morra, Qt::Key_D, "d");   // rock
            w.keyClick(*morra, Qt::Key_J, "j");   // scissors
            w.advance(1.0);
        }
        QCOMPARE(morra->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.keyClick(*morra, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva3>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira1.enabled());
        QCOMPARE(R.cmdGira1.backColor(), frmRuota::kGiallo);
        QVERIFY(!R.cmdFine.visible());
    }

    void aDuelPlayedWithTheMouseLightsTheWinnersSpin()
    {
        BoardWorld w;
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(2, 20);   // SCASSA QUINDICI
        w.passo();
        auto* scassa = w.ctx->screens.find<frmProva2>();
        QVERIFY(scassa && scassa->visible());
        QVERIFY(!R.enabled());
        // Whoever the draw names stops at once; the other turns the 9 and
        // the 1, then stops on 10.
        const int primo = scassa->intTurnoDi, altro = 3 - primo;
        const auto carta = [&](int numero) -> Label& {
            for (int i = 1; i <= 9; ++i)
                if (scassa->intMazzo[i] == numero)
                    return scassa->Label1[i - 1];
            qFatal("no card hides %d", numero);
        };
        w.click(scassa->cmdEsegui);
        w.click(scassa->cmdFerma[primo - 1]);
        w.click(carta(9));
        w.click(carta(1));
        QCOMPARE(scassa->lblPunti[altro - 1].caption(), QStringLiteral("10"));
        w.click(scassa->cmdFerma[altro - 1]);
        QCOMPARE(scassa->cmdEsegui.caption(), "Vince " + w.M().strNomeConcorrente[altro].str());
        w.click(scassa->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva2>());
        QVERIFY(R.enabled());
        CommandButton& giro = altro == 1 ? R.cmdGira1 : R.cmdGira2;
        QVERIFY(giro.enabled());
        QCOMPARE(giro.backColor(), frmRuota::kGiallo);
        QVERIFY(!(altro == 1 ? R.cmdGira2 : R.cmdGira1).enabled());
        QVERIFY(!R.cmdFine.visible());
    }

    void aShortChallengeEndsInTheBookingQuestion()
    {
        BoardWorld w;
        w.M().strParlato = "Play";
        frmRuota& R = w.apri();
        w.segnapostoProva<14>(R);
        w.fakes.random.pushDraw(14, 20);   // a void full challenge
        w.passo();
        w.click(w.ctx->screens.find<frmSegnaposto<TipoSegnaposto::Prova, 14>>()->cmdEsegui);
        w.fakes.random.pushDraw(1, 18);   // CALCOLO OGGETTI
        w.passo();
        auto* calcolo = w.ctx->screens.find<frmProvina1>();
        QVERIFY(calcolo && calcolo->visible());
        QCOMPARE(R.txtOpzione[0].fontName(), QStringLiteral("Comic Sans MS"));
        const QString risposta = w.M().strRispostaEsatta;
        w.click(calcolo->cmdEsegui);
        w.advance(10.0);
        QVERIFY(!w.ctx->screens.find<frmProvina1>());
        QVERIFY(R.enabled());
        QVERIFY(R.imgPPrenota.visible() && R.Frame2.visible());
        QCOMPARE(R.txtDomanda.text(), QStringLiteral("Forza! Potete prenotarvi!"));
        QVERIFY(R.cmdPrenota1.enabled() && R.cmdPrenota2.enabled());
        QStringList opzioni;
        for (int i = 0; i <= 2; ++i)
            opzioni << R.txtOpzione[i].text();
        QVERIFY(opzioni.contains(risposta));

        // A booked contestant clicks an option: it goes into the answer box.
        R.Frame2.setEnabled(true);
        R.txtOpzione[2].setEnabled(true);
        w.click(R.txtOpzione[2]);
        QCOMPARE(R.txtRisposta.text(), opzioni[2]);
        R.txtOpzione[1].setText(QString(32, QLatin1Char(' ')));
        R.txtOpzione[1].setEnabled(true);
        w.click(R.txtOpzione[1]);
        QCOMPARE(R.txtRisposta.text(), opzioni[2]);
    }
};

ZOLMERA_TEST_MAIN(TestTurnoCompleto)
#include "tst_turno_completo.moc"

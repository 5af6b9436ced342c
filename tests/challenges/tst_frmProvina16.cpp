// "RITRATTO DI CANZONI": the drawing of the title drawn, shown over its navy
// panel for ten seconds, then the title typed on the board.
#include "challenges/short/frmProvina16.h"
#include "testkit/breve.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
struct Ritratti : MondoBreve<frmProvina16> {
    Ritratti()
    {
        touch("images1/ritratti.bmp", "BM");
        // The strip's 5 x 10 cells, 10 pixels each.
        fakes.pictures.size = QSize(100, 50);
    }
};
}  // namespace

class TestRitratti : public QObject {
    Q_OBJECT
private slots:
    // Title k shows cell k - 1 of the strip, counted row by row from the
    // top left; the answer is the title upper-cased, apostrophes, accents
    // and digits kept. Nothing shows until the start.
    void theTitleDrawnShowsItsCell_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("risposta");
        QTest::newRow("the first, top left") << 1 << "QUATTRO AMICI AL BAR";
        QTest::newRow("a digit") << 8 << "LE 5 ANATRE";
        QTest::newRow("the end of the first row") << 10 << "NEL BLU DIPINTO DI BLU";
        QTest::newRow("an apostrophe for the accent") << 29 << "LA MUSICA E' FINITA";
        QTest::newRow("an accented letter") << 44 << QStringLiteral("SU E GIÙ");
        QTest::newRow("the last, bottom right") << 50 << "VECCHIO SCARPONE";
    }
    void theTitleDrawnShowsItsCell()
    {
        QFETCH(int, r);
        QFETCH(QString, risposta);
        Ritratti w;
        w.run([&] {
            for (int i = 0; i <= 2; ++i)
                w.R->txtOpzione[i].setText(QStringLiteral("resto"));
        });
        w.fakes.random.pushDraw(r, 50);
        frmProvina16& p = w.carica();
        QCOMPARE(p.r, r);
        QCOMPARE(p.ImgCanzone.figura().file, w.path("images1/ritratti.bmp"));
        QCOMPARE(p.ImgCanzone.figura().cella, r - 1);
        QCOMPARE(p.ImgCanzone.picture().size(), QSize(10, 10));
        QCOMPARE(w.M().strRispostaEsatta, risposta);
        for (int i = 0; i <= 2; ++i)
            QCOMPARE(w.R->txtOpzione[i].text(), QString());
        QVERIFY(!p.lblDomanda.visible() && !p.ImgCanzone.visible() && !p.txtDomanda.visible());
        QVERIFY(p.cmdEsegui.enabled());

        w.M().bytConcorrente = 2;
        w.click(p.cmdEsegui);
        QVERIFY(!p.cmdEsegui.enabled());
        QVERIFY(p.lblDomanda.visible() && p.ImgCanzone.visible());
        QVERIFY(!p.txtDomanda.visible());
        QCOMPARE(int(w.M().bytConcorrente), 0);
    }

    // The drawing lies over the navy panel, stretched to its own box.
    void theDrawingLiesOverTheNavyPanel()
    {
        Ritratti w;
        frmProvina16& p = w.carica();
        w.click(p.cmdEsegui);
        QCOMPARE(p.lblDomanda.backColor(), 0x800000u);
        QVERIFY(p.ImgCanzone.stretch());
        QVERIFY(p.lblDomanda.widget()->geometry().contains(p.ImgCanzone.widget()->geometry()));
        QCOMPARE(p.ImgCanzone.widget()->parentWidget()->childAt(p.ImgCanzone.widget()->geometry().center()),
                 p.ImgCanzone.widget());
    }

    // Ten seconds to watch, not a moment less; then the board asks for the
    // title, written or spoken as the settings say.
    void theHandOverComesAfterTenSeconds_data()
    {
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("testo");
        QTest::newRow("spoken") << "Play" << "Forza! Potete prenotarvi!";
        QTest::newRow("written") << ""
                                 << "Qual'è il titolo della canzone rappresentata con il disegno che avete visto?";
    }
    void theHandOverComesAfterTenSeconds()
    {
        QFETCH(QString, parlato);
        QFETCH(QString, testo);
        Ritratti w;
        w.M().strParlato = parlato;
        w.touch("sounds1/domanda16.wav", onda(0));
        frmProvina16& p = w.carica();
        w.click(p.cmdEsegui);
        w.advance(9.99);
        QVERIFY(w.ctx->screens.find<frmProvina16>());
        QVERIFY(!w.R->imgPPrenota.visible());
        w.advance(0.02);
        QVERIFY(!w.ctx->screens.find<frmProvina16>());
        QCOMPARE(w.R->txtDomanda.text(), testo);
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda16.wav"));
        QVERIFY(w.R->imgPPrenota.visible() && w.R->enabled());
    }

    // Leaving the match while the drawing shows: no hand-over follows.
    void anAbandonDuringTheDrawingStopsEverything()
    {
        Ritratti w;
        frmProvina16& p = w.carica();
        w.click(p.cmdEsegui);
        w.fakes.messages.setNextAnswer(mb::Yes, 1.0);
        w.loop().at(w.loop().now() + 4, [&] { p.window()->close(); });
        w.advance(20);
        QVERIFY(!w.ctx->screens.find<frmProvina16>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
    }

    // From the board's step button to a lit spin button: the window drawn at
    // turn 2, the drawing watched, the title typed in small letters.
    void fromTheBoardToASpin()
    {
        Ritratti w;
        // The short challenge drawn: RITRATTO DI CANZONI; its title: "Su e giù".
        const bool acceso = w.dalPassoAlGiro(
            {.k = 16, .r = 44, .n = 50, .risposta = w.tasti(QStringLiteral("su e giù")), .alVia = [](frmProvina16& p) {
                 QCOMPARE(p.lblTitolo.caption(), QStringLiteral("RITRATTO DI CANZONI"));
             }});
        QVERIFY(acceso);
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("su e giù"));
    }
};

ZOLMERA_TEST_MAIN(TestRitratti)
#include "tst_frmProvina16.moc"

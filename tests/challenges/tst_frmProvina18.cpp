// "OCCHIO ALLE DIFFERENZE": nine numbered cells with the same picture, one
// drawn smaller; the number of that cell is the answer typed on the board.
#include "challenges/short/frmProvina18.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
struct Differenze : BoardWorld {
    Differenze() { R = &apri(); }
    // Loads the window with the smaller picture in cell d (1 to 9).
    frmProvina18& carica(int d)
    {
        fakes.random.pushDraw(d, 9);
        return apriProva<frmProvina18>();
    }
    frmRuota* R = nullptr;
};

// How much of a cell is inked: its pixels that are not its navy background.
int inchiostro(Label& cella)
{
    const QImage img = cella.widget()->grab().toImage();
    const QRgb sfondo = qRgb(0, 0, 0x80);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) | 0xFF000000u) != sfondo;
    return n;
}
}  // namespace

class TestDifferenze : public QObject {
    Q_OBJECT
private slots:
    // The load: one cell smaller, its number the answer; the options left
    // by an earlier question emptied; no picture yet.
    void theSmallerCellIsTheAnswer_data()
    {
        QTest::addColumn<int>("d");
        QTest::newRow("the first cell") << 1;
        QTest::newRow("the middle one") << 5;
        QTest::newRow("the last") << 9;
    }
    void theSmallerCellIsTheAnswer()
    {
        QFETCH(int, d);
        Differenze w;
        w.run([&] { ScriviOpzioni(*w.ctx, "Roma", "Parigi", "Londra"); });
        frmProvina18& p = w.carica(d);
        for (int k = 0; k <= 8; ++k) {
            QCOMPARE(p.lblDiffe[k].fontSize(), k == d - 1 ? 67.0 : 72.0);
            QVERIFY(p.lblDiffe[k].caption().isEmpty());
            QCOMPARE(p.lblDiffe[k].fontName(), QStringLiteral("Webdings"));
        }
        QCOMPARE(w.M().strRispostaEsatta, QString::number(d));
        QCOMPARE(p.lblNumDiffe[d - 1].caption(), w.M().strRispostaEsatta);
        for (int k = 0; k <= 2; ++k)
            QVERIFY(w.R->txtOpzione[k].text().isEmpty());
        QVERIFY(p.cmdEsegui.enabled());
    }

    // Each number sits at the lower right of its cell, inside it.
    void theGrid()
    {
        Differenze w;
        frmProvina18& p = w.carica(1);
        const int sinistre[3] = {120, 2520, 5040}, alti[3] = {960, 2400, 3960};
        for (int k = 0; k <= 8; ++k) {
            Label& cella = p.lblDiffe[k];
            Label& numero = p.lblNumDiffe[k];
            QCOMPARE(cella.left(), sinistre[k % 3]);
            QCOMPARE(cella.top(), alti[k / 3]);
            QCOMPARE(numero.caption(), QString::number(k + 1));
            QVERIFY(numero.left() > cella.left() + cella.width() / 2);
            QVERIFY(numero.top() > cella.top() + cella.height() / 2);
            QVERIFY(numero.left() + numero.width() <= cella.left() + cella.width());
            QVERIFY(numero.top() + numero.height() <= cella.top() + cella.height());
        }
    }

    // The start draws the picture and puts it in all nine cells; the one
    // drawn smaller shows the least of it. The start works once.
    void theStartShowsOnePictureOneSmaller_data()
    {
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("g");
        QTest::addColumn<QString>("carattere");
        QTest::newRow("first picture, first cell") << 1 << 1 << "f";
        QTest::newRow("second picture, sixth cell") << 6 << 2 << "k";
        QTest::newRow("third picture, last cell") << 9 << 3 << "U";
    }
    void theStartShowsOnePictureOneSmaller()
    {
        QFETCH(int, d);
        QFETCH(int, g);
        QFETCH(QString, carattere);
        Differenze w;
        frmProvina18& p = w.carica(d);
        w.M().bytConcorrente = 2;
        w.fakes.random.pushDraw(g, 3);
        w.click(p.cmdEsegui);
        QVERIFY(!p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        int minimo = -1;
        for (int k = 0; k <= 8; ++k) {
            QCOMPARE(p.lblDiffe[k].caption(), carattere);
            if (minimo < 0 || inchiostro(p.lblDiffe[k]) < inchiostro(p.lblDiffe[minimo]))
                minimo = k;
        }
        QCOMPARE(minimo, d - 1);
        QVERIFY(inchiostro(p.lblDiffe[minimo]) > 0);
        // A second press is no new start: the picture stays, the time runs on.
        w.fakes.random.pushDraw(g % 3 + 1, 3);
        w.advance(5);
        w.click(p.cmdEsegui);
        QCOMPARE(p.lblDiffe[0].caption(), carattere);
        w.advance(5.01);
        QVERIFY(!w.ctx->screens.find<frmProvina18>());
    }

    // Ten seconds to look, to the millisecond, then the question.
    void theBookingQuestion_data()
    {
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("sentito");
        QTest::newRow("spoken") << "Play" << "Forza! Potete prenotarvi!" << QStringList{"domanda18.wav"};
        QTest::newRow("written") << "" << "Qual'è il numero dell'oggetto che è differente dagli altri?"
                                 << QStringList{};
    }
    void theBookingQuestion()
    {
        QFETCH(QString, parlato);
        QFETCH(QString, testo);
        QFETCH(QStringList, sentito);
        Differenze w;
        w.M().strParlato = parlato;
        w.touch("sounds1/domanda18.wav", onda(1));
        frmProvina18& p = w.carica(4);
        w.click(p.cmdEsegui);
        w.fakes.audio.clear();
        w.advance(9.999);
        QVERIFY(w.ctx->screens.find<frmProvina18>());
        QVERIFY(!w.R->imgPPrenota.visible());
        w.advance(0.002);
        QVERIFY(!w.ctx->screens.find<frmProvina18>());
        QVERIFY(w.R->imgPPrenota.visible());
        QCOMPARE(w.R->txtDomanda.text(), testo);
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda18.wav"));
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMelodia"), sentito);
    }

    // Closed during the reading, the player thinks past its end. Yes:
    // nothing reaches the board. No: the question follows the answer.
    void anAbandonDuringTheReading_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("Yes") << int(mb::Yes);
        QTest::newRow("No") << int(mb::No);
    }
    void anAbandonDuringTheReading()
    {
        QFETCH(int, risposta);
        Differenze w;
        w.M().strParlato = "Play";
        w.touch("sounds1/domanda18.wav", onda(1));
        frmProvina18& p = w.carica(2);
        w.click(p.cmdEsegui);
        const double t0 = w.loop().now();
        w.fakes.messages.setNextAnswer(risposta, 4.0);
        w.loop().at(t0 + 8, [&] { p.window()->close(); });
        bool armataSottoLaDomanda = false;
        w.loop().at(t0 + 11.9, [&] { armataSottoLaDomanda = w.R->imgPPrenota.visible(); });
        w.advance(12.1);
        QVERIFY(!armataSottoLaDomanda);
        if (risposta == mb::Yes) {
            w.nullaDopoAbbandono(QStringLiteral("frmProvina18"), 10, t0 + 8);
            QVERIFY(!w.fakes.audio.played("frmRuota.mmcMelodia").contains("domanda18.wav"));
            return;
        }
        QVERIFY(!w.ctx->screens.find<frmProvina18>());
        QVERIFY(w.R->imgPPrenota.visible());
        QVERIFY(w.R->enabled());
    }

    // From the board's step button to a lit spin button: the title drawn at
    // turn 5, the cells watched, the booking, the number typed.
    void fromTheBoardToASpin()
    {
        Differenze w;
        w.touch("sounds1/domanda18.wav", onda(1));
        w.run([&] {
            w.R->turni.intTurno = 4;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  5"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(18, 18);   // the short challenge drawn: OCCHIO ALLE DIFFERENZE
        w.fakes.random.pushDraw(7, 9);     // the smaller cell
        w.passo();
        frmProvina18* p = w.ctx->screens.find<frmProvina18>();
        QVERIFY(p && p->visible());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("OCCHIO ALLE DIFFERENZE"));
        w.click(p->cmdEsegui);
        const double t0 = w.loop().now();
        w.loop().at(t0 + 11, [&] { w.keyClick(*w.R, Qt::Key_N, "n"); });
        w.loop().at(t0 + 12, [&] {
            w.typeKeys(*w.R, "7");
            w.click(w.R->cmdOK);
        });
        w.advance(13);
        QVERIFY(!w.ctx->screens.find<frmProvina18>());
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("7"));
        QVERIFY(w.R->cmdGira2.enabled());
        QCOMPARE(int(w.M().bytGiri[2]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestDifferenze)
#include "tst_frmProvina18.moc"

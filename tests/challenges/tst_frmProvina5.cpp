// "L'OGGETTO MULTICOLORE": the cup that changes colour faster and faster, and
// the count of its changes asked on the board.
#include "challenges/short/frmProvina5.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QPlainTextEdit>
#include <QPointer>

#include <cmath>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
QRgb rgb(quint32 bgr) { return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }
const QRgb kNavy = rgb(frmProvina5::kBlu);
const QRgb kRosso = rgb(0xFF), kVerde = rgb(0xFF00), kGiallo = rgb(0xFFFF), kAzzurro = rgb(0xFFFF00),
           kBianco = rgb(0xFFFFFF);

// The value of Rnd that gives a distance d from −3 to 3.
double distanza(int d) { return (d + 3.5) / 7; }

struct Coppa : BoardWorld {
    Coppa() { R = &apri(); }
    // Queues the draws of a load: the cup, the count, the right option's
    // place, then the distances as drawn (rejected ones included).
    void prepara(int oggetto, int n, int p, const QList<int>& distanze)
    {
        fakes.random.pushDraw(oggetto, 3);
        fakes.random.pushDraw(n - 6, 9);
        fakes.random.pushDraw(p, 3);
        for (int d : distanze)
            fakes.random.push(distanza(d));
    }
    frmProvina5& carica() { return apriProva<frmProvina5>(); }
    QStringList opzioni() const
    {
        return {R->txtOpzione[0].text(), R->txtOpzione[1].text(), R->txtOpzione[2].text()};
    }
    frmRuota* R = nullptr;
};

// What the cup shows: the commonest colour of the box but for its navy
// background, or navy when nothing else is there.
QRgb colore(frmProvina5& p)
{
    const QImage img = static_cast<QPlainTextEdit*>(p.txtDomanda.widget())->viewport()->grab().toImage();
    QHash<QRgb, int> quanti;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) | 0xFF000000u;
            if (c != kNavy)
                ++quanti[c];
        }
    QRgb migliore = kNavy;
    int massimo = 0;
    for (auto it = quanti.cbegin(); it != quanti.cend(); ++it)
        if (it.value() > massimo) {
            massimo = it.value();
            migliore = it.key();
        }
    return migliore;
}

// The colours the cup showed in turn, looked at every 20 ms from the start
// until the window closed.
QList<QRgb> coloriVisti(Coppa& w, frmProvina5& p, double durata)
{
    QList<QRgb> visti{kNavy};
    QPointer<QWidget> finestra(p.window());
    for (double t = 0.02; t < durata; t += 0.02) {
        w.advance(0.02);
        if (!finestra || !w.ctx->screens.find<frmProvina5>())
            break;
        const QRgb c = colore(p);
        if (c != visti.last())
            visti << c;
    }
    return visti;
}
}  // namespace

class TestCoppa : public QObject {
    Q_OBJECT
private slots:
    // The drawn cup, the count and the three options: the right one where p
    // puts it, the others at the distances drawn, a zero or a repeated
    // distance drawn again.
    void theCupTheCountAndTheOptions_data()
    {
        QTest::addColumn<int>("oggetto");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("p");
        QTest::addColumn<QList<int>>("distanze");
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<QStringList>("opzioni");
        QTest::newRow("first cup, 7, first box; a zero and a repeat redrawn")
            << 1 << 7 << 1 << QList<int>{0, -3, -3, 2, 3} << "%" << QStringList{"7", "9", "10"};
        QTest::newRow("second cup, 11, middle box") << 2 << 11 << 2 << QList<int>{-1, 1, -2} << "&"
                                                    << QStringList{"10", "11", "9"};
        QTest::newRow("third cup, 15, last box") << 3 << 15 << 3 << QList<int>{1, -1, 3} << QString(QChar(236))
                                                 << QStringList{"16", "14", "15"};
    }
    void theCupTheCountAndTheOptions()
    {
        QFETCH(int, oggetto);
        QFETCH(int, n);
        QFETCH(int, p);
        QFETCH(QList<int>, distanze);
        QFETCH(QString, carattere);
        QFETCH(QStringList, opzioni);
        Coppa w;
        w.prepara(oggetto, n, p, distanze);
        frmProvina5& f = w.carica();
        QCOMPARE(w.fakes.random.pending(), 0);
        QCOMPARE(f.txtDomanda.text(), carattere);
        QVERIFY(!f.txtDomanda.visible());
        QCOMPARE(f.txtDomanda.fontName(), QStringLiteral("Webdings"));
        QCOMPARE(f.txtDomanda.fontSize(), 225.0);
        QVERIFY(f.txtDomanda.fontBold());
        QCOMPARE(w.M().strRispostaEsatta, QString::number(n));
        QCOMPARE(w.opzioni(), opzioni);
        QVERIFY(f.cmdEsegui.enabled());
    }

    // Whatever the generator gives: three different options, one of them
    // right, the others at most three away.
    void everyLoadOffersOneRightOption()
    {
        Coppa w;
        for (int volta = 0; volta < 30; ++volta) {
            frmProvina5& f = w.carica();
            const int n = w.M().strRispostaEsatta.toInt();
            QVERIFY(n >= 7 && n <= 15);
            const QStringList o = w.opzioni();
            QCOMPARE(o.count(QString::number(n)), 1);
            QCOMPARE(QSet<QString>(o.begin(), o.end()).size(), 3);
            for (const QString& x : o)
                QVERIFY2(std::abs(x.toInt() - n) <= 3, qPrintable(x));
            w.run([&] { f.unload(); });
        }
    }

    // Nothing shows for the first second and a half; the first change
    // comes at 2.1 s and each next one 10 ms sooner than the one before;
    // the question comes on the tick after the last change. A second press
    // of the start button changes nothing.
    void theChangesCadenceAndTheHandOver_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("consegna");
        QTest::newRow("7 changes") << 7 << 6.020;
        QTest::newRow("15 changes") << 15 << 9.900;
    }
    void theChangesCadenceAndTheHandOver()
    {
        QFETCH(int, n);
        QFETCH(double, consegna);
        Coppa w;
        w.prepara(1, n, 2, {1, 2, 3});
        frmProvina5& f = w.carica();
        w.click(f.cmdEsegui);
        QVERIFY(f.txtDomanda.visible());
        QVERIFY(!f.cmdEsegui.enabled());
        w.loop().at(w.loop().now() + 1.0, [&] { w.click(f.cmdEsegui); });
        w.advance(1.501);
        QCOMPARE(colore(f), kNavy);
        w.advance(2.099 - 1.501);
        QCOMPARE(colore(f), kNavy);
        QCOMPARE(f.varCambi, 0);
        w.advance(0.002);
        QVERIFY(colore(f) != kNavy);
        QCOMPARE(f.varCambi, 1);
        w.advance(consegna - 0.001 - 2.101);
        QVERIFY(w.ctx->screens.find<frmProvina5>());
        QVERIFY(!w.R->imgPPrenota.visible());
        QCOMPARE(f.varCambi, n);
        w.advance(0.002);
        QVERIFY(!w.ctx->screens.find<frmProvina5>());
        QVERIFY(w.R->imgPPrenota.visible());
        QVERIFY(w.R->enabled());
    }

    // The colours seen, one after another: as drawn, a colour drawn twice
    // running drawn again; n changes in all, the first one included.
    // The cup stands in the middle of its box: as much navy left of it as right.
    void theCupStandsInTheMiddle()
    {
        Coppa w;
        w.prepara(1, 7, 1, {1, 2, 3});
        w.fakes.random.pushDraw(3, 5);
        frmProvina5& f = w.carica();
        w.click(f.cmdEsegui);
        QVERIFY(w.finoA([&] { return colore(f) != kNavy; }, 3));
        const QImage img = static_cast<QPlainTextEdit*>(f.txtDomanda.widget())->viewport()->grab().toImage();
        int sinistra = img.width(), destra = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) | 0xFF000000u) != kNavy) {
                    sinistra = std::min(sinistra, x);
                    destra = std::max(destra, x);
                }
        QVERIFY(destra > sinistra);
        const int margine = img.width() - 1 - destra;
        QVERIFY2(std::abs(sinistra - margine) <= img.width() / 20,
                 qPrintable(QStringLiteral("%1 left, %2 right").arg(sinistra).arg(margine)));
    }

    void everyChangeShowsANewColour_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("colori");   // as drawn; the rest from the generator
        QTest::addColumn<QList<QRgb>>("attesi");  // the first ones seen after the navy
        QTest::newRow("7, repeats redrawn") << 7 << QList<int>{1, 1, 2, 3, 3, 4, 5, 5, 1, 2}
                                            << QList<QRgb>{kRosso, kVerde, kGiallo, kAzzurro, kBianco, kRosso, kVerde};
        QTest::newRow("15, white first") << 15 << QList<int>{5, 5, 5, 4}
                                         << QList<QRgb>{kBianco, kAzzurro};
    }
    void everyChangeShowsANewColour()
    {
        QFETCH(int, n);
        QFETCH(QList<int>, colori);
        QFETCH(QList<QRgb>, attesi);
        Coppa w;
        w.prepara(2, n, 1, {1, 2, 3});
        for (int c : colori)
            w.fakes.random.pushDraw(c, 5);
        frmProvina5& f = w.carica();
        w.click(f.cmdEsegui);
        const QList<QRgb> visti = coloriVisti(w, f, 12);
        QCOMPARE(visti.size(), n + 1);
        QCOMPARE(visti.mid(1, attesi.size()), attesi);
        QVERIFY(!w.ctx->screens.find<frmProvina5>());
        QCOMPARE(w.M().strRispostaEsatta, QString::number(n));
    }

    void theBookingQuestion_data()
    {
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("sentito");
        QTest::newRow("spoken") << "Play" << "Forza! Potete prenotarvi!" << QStringList{"domanda5.wav"};
        QTest::newRow("written") << "" << "Quante volte ha cambiato colore la coppa che avete visto?" << QStringList{};
    }
    void theBookingQuestion()
    {
        QFETCH(QString, parlato);
        QFETCH(QString, testo);
        QFETCH(QStringList, sentito);
        Coppa w;
        w.M().strParlato = parlato;
        w.touch("sounds1/domanda5.wav", onda(1));
        w.prepara(3, 7, 3, {-1, -2, -3});
        frmProvina5& f = w.carica();
        w.click(f.cmdEsegui);
        w.fakes.audio.clear();
        w.advance(6.1);
        QCOMPARE(w.R->txtDomanda.text(), testo);
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda5.wav"));
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMelodia"), sentito);
    }

    // The player closes the window during the game and thinks a while. Yes:
    // the cup stops changing and nothing reaches the board. No: the game
    // goes on, and a question that fell due meanwhile waits for the answer.
    void anAbandonDuringTheGame_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<double>("chiusa");   // seconds after the start
        QTest::addColumn<double>("pensa");
        QTest::newRow("Yes in mid-game") << int(mb::Yes) << 3.0 << 0.0;
        QTest::newRow("Yes over the last tick") << int(mb::Yes) << 5.5 << 2.0;
        QTest::newRow("No over the last tick") << int(mb::No) << 5.5 << 2.0;
    }
    void anAbandonDuringTheGame()
    {
        QFETCH(int, risposta);
        QFETCH(double, chiusa);
        QFETCH(double, pensa);
        Coppa w;
        w.M().strParlato = "Play";
        w.touch("sounds1/domanda5.wav", onda(1));
        w.prepara(1, 7, 1, {1, 2, 3});
        frmProvina5& f = w.carica();
        w.click(f.cmdEsegui);
        const double t0 = w.loop().now();
        w.fakes.messages.setNextAnswer(risposta, pensa);
        w.loop().at(t0 + chiusa, [&] { f.window()->close(); });
        bool armataSottoLaDomanda = false;
        if (pensa > 0)
            w.loop().at(t0 + chiusa + pensa - 0.1, [&] { armataSottoLaDomanda = w.R->imgPPrenota.visible(); });
        w.advance(chiusa + pensa + 0.1);
        QVERIFY(!armataSottoLaDomanda);
        if (risposta == mb::Yes) {
            // No tick after the close: a tick would reseed for its colour.
            const int reseeds = w.fakes.random.randomizes();
            w.nullaDopoAbbandono(QStringLiteral("frmProvina5"), 10, t0 + chiusa);
            QCOMPARE(w.fakes.random.randomizes(), reseeds);
            QVERIFY(!w.fakes.audio.played("frmRuota.mmcMelodia").contains("domanda5.wav"));
            return;
        }
        QVERIFY(!w.ctx->screens.find<frmProvina5>());
        QVERIFY(w.R->imgPPrenota.visible());
        QVERIFY(w.R->enabled());
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMelodia").count("domanda5.wav"), 1);
    }

    // From the board's step button to a lit spin button: the title drawn at
    // turn 2, the game watched, the booking, the right count clicked.
    void fromTheBoardToASpin()
    {
        Coppa w;
        w.touch("sounds1/domanda5.wav", onda(1));
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(5, 18);   // the short challenge drawn: L'OGGETTO MULTICOLORE
        w.prepara(2, 9, 3, {-2, 1, 3});   // nine changes, the right count in the last box
        w.passo();
        frmProvina5* f = w.ctx->screens.find<frmProvina5>();
        QVERIFY(f && f->visible());
        QCOMPARE(f->lblTitolo.caption(), QStringLiteral("L'OGGETTO MULTICOLORE"));
        QCOMPARE(w.opzioni(), (QStringList{"7", "10", "9"}));
        w.click(f->cmdEsegui);
        const double t0 = w.loop().now();
        w.loop().at(t0 + 9, [&] { w.keyClick(*w.R, Qt::Key_Z, "z"); });
        w.loop().at(t0 + 10, [&] {
            w.click(w.R->txtOpzione[2]);
            w.click(w.R->cmdOK);
        });
        w.advance(11);
        QVERIFY(!w.ctx->screens.find<frmProvina5>());
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("9"));
        QVERIFY(w.R->cmdGira1.enabled());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestCoppa)
#include "tst_frmProvina5.moc"

// "IL CALCOLATORE": the two numbers read, the question drawn with them, and
// the three options a whole number of steps apart.
#include "challenges/short/frmProvina2.h"
#include "testkit/breve.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Calcolatore = MondoBreve<frmProvina2>;

// The raw value that makes a distance of k steps.
double distanza(int k) { return (k + 15 + 0.5) / 31; }
constexpr double kQuasiUno = 1 - 1e-9;

const QStringList kScritte = {
    QStringLiteral("Qual'è la somma tra i due numeri che avete appena visto?"),
    QStringLiteral("Qual'è il prodotto tra i due numeri che avete appena visto?"),
    QStringLiteral("Qual'è il risultato della sottrazione tra i due numeri che avete visto?"),
    QStringLiteral("Qual'è il primo numero che è comparso sul monitor?"),
    QStringLiteral("Qual'è il secondo numero che è comparso sul monitor?"),
};
}  // namespace

class TestCalcolatore : public QObject {
    Q_OBJECT
private slots:
    // The question drawn picks the result, its step, its words and its sound.
    void theQuestionDrawnMakesTheOptions_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("p");
        QTest::addColumn<QList<double>>("distanze");   // raw values, rejected ones included
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QStringList>("opzioni");
        QTest::newRow("sum, the farthest both ways")
            << 1 << 1001 << 2000 << 3 << QList<double>{0.0, kQuasiUno, distanza(3)} << "3001"
            << QStringList{"1501", "4501", "3001"};
        QTest::newRow("product, steps of 100000")
            << 2 << 2000 << 2000 << 1 << QList<double>{distanza(0), distanza(-1), distanza(-1), distanza(1), kQuasiUno}
            << "4000000" << QStringList{"4000000", "4100000", "5500000"};
        QTest::newRow("product, a wrong option below zero")
            << 2 << 1001 << 1001 << 2 << QList<double>{0.0, distanza(2), distanza(1)} << "1002001"
            << QStringList{"-497999", "1002001", "1102001"};
        QTest::newRow("difference of a smaller first")
            << 3 << 1001 << 2000 << 1
            << QList<double>{distanza(2), distanza(2), distanza(-3), distanza(2), distanza(-3), distanza(0), distanza(5)}
            << "-999" << QStringList{"-999", "-1299", "-499"};
        QTest::newRow("difference of equal numbers")
            << 3 << 1500 << 1500 << 2 << QList<double>{distanza(-1), distanza(4), distanza(1)} << "0"
            << QStringList{"-100", "0", "100"};
        QTest::newRow("the first number, steps of 10")
            << 4 << 1234 << 1777 << 3 << QList<double>{0.0, kQuasiUno, distanza(7)} << "1234"
            << QStringList{"1084", "1384", "1234"};
        QTest::newRow("the second number")
            << 5 << 1234 << 1777 << 1 << QList<double>{distanza(-1), distanza(1), distanza(-2)} << "1777"
            << QStringList{"1777", "1787", "1757"};
    }
    void theQuestionDrawnMakesTheOptions()
    {
        QFETCH(int, t);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, p);
        QFETCH(QList<double>, distanze);
        QFETCH(QString, risposta);
        QFETCH(QStringList, opzioni);
        Calcolatore w;
        auto& r = w.fakes.random;
        r.pushDraw(t, 5);
        r.pushDraw(a - 1000, 1000);
        r.pushDraw(b - 1000, 1000);
        r.pushDraw(p, 3);
        for (double u : distanze)
            r.push(u);
        frmProvina2& f = w.carica();
        QCOMPARE(r.pending(), 0);
        QCOMPARE(f.txtDomanda.text(), QStringLiteral("I numeri sono:  %1 e  %2").arg(a).arg(b));
        QCOMPARE(w.M().strRispostaEsatta, risposta);
        QCOMPARE(w.opzioni(), opzioni);
        QCOMPARE(f.strDomandaScritta, kScritte[t - 1]);
        QCOMPARE(w.M().strFileDomanda, w.path(QStringLiteral("sounds1/domanda2_%1.wav").arg(t)));
        // Drawn after a reseed each: the question, and the right box.
        QCOMPARE(r.randomizes(), 2);
        QVERIFY(f.cmdEsegui.enabled());
        QVERIFY(!f.txtDomanda.visible());
    }

    void theMaterialShowsBothNumbersWithTheirBlanks()
    {
        Calcolatore w;
        w.fakes.random.pushDraw(2, 5);
        w.fakes.random.pushDraw(1, 1000);
        w.fakes.random.pushDraw(1000, 1000);
        frmProvina2& f = w.carica();
        QCOMPARE(f.txtDomanda.text(), QStringLiteral("I numeri sono:  1001 e  2000"));
        QCOMPARE(f.txtDomanda.fontName(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(f.txtDomanda.fontSize(), 48.0);
        w.click(f.cmdEsegui);
        QVERIFY(f.txtDomanda.visible());
    }

    // Whatever is drawn: three different options, one of them the answer,
    // the others whole steps of the question's size away.
    void everyLoadOffersTheAnswerOnce()
    {
        Calcolatore w;
        const int passi[5] = {100, 100000, 100, 10, 10};
        for (int volta = 0; volta < 60; ++volta) {
            frmProvina2& f = w.carica();
            const QStringList o = w.opzioni();
            QCOMPARE(o.count(w.M().strRispostaEsatta), 1);
            QCOMPARE(o[f.p - 1], w.M().strRispostaEsatta);
            QCOMPARE(QSet<QString>(o.begin(), o.end()).size(), 3);
            const qint32 attesa[5] = {f.a + f.b, f.a * f.b, f.a - f.b, f.a, f.b};
            QCOMPARE(w.M().strRispostaEsatta, QString::number(attesa[f.intTipo - 1]));
            for (const QString& x : o) {
                const qint64 scarto = x.toLongLong() - attesa[f.intTipo - 1];
                QVERIFY2(scarto % passi[f.intTipo - 1] == 0 && qAbs(scarto) <= 15 * passi[f.intTipo - 1], qPrintable(x));
            }
            w.chiudi(f);
        }
    }

    void theReadingEndsInTheQuestionDrawn_data()
    {
        QTest::addColumn<int>("fine");
        QTest::newRow("spoken") << int(FineLettura::Parlata);
        QTest::newRow("written") << int(FineLettura::Scritta);
        QTest::newRow("abandon, No") << int(FineLettura::AbbandonoNo);
        QTest::newRow("abandon, Yes") << int(FineLettura::AbbandonoSi);
    }
    void theReadingEndsInTheQuestionDrawn()
    {
        QFETCH(int, fine);
        // The difference is asked.
        auto prepara = [](ScriptedRandom& r) { r.pushDraw(3, 5); };
        verificaFineLettura<frmProvina2>(FineLettura(fine), 10, kScritte[2], QStringLiteral("domanda2_3.wav"), prepara);
    }

    // From the board's step button to a lit spin: the numbers read, the
    // booking, the right option clicked, a negative difference included.
    void fromTheBoardToASpin()
    {
        Calcolatore w;
        w.touch("sounds1/domanda2_3.wav", onda(1));
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        auto& r = w.fakes.random;
        r.pushDraw(2, 18);       // the short challenge drawn: IL CALCOLATORE
        r.pushDraw(3, 5);        // the difference
        r.pushDraw(200, 1000);   // 1200
        r.pushDraw(900, 1000);   // 1900
        r.pushDraw(3, 3);        // the right option last
        w.passo();
        frmProvina2* f = w.ctx->screens.find<frmProvina2>();
        QVERIFY(f && f->visible());
        QCOMPARE(f->lblTitolo.caption(), QStringLiteral("IL CALCOLATORE"));
        w.click(f->cmdEsegui);
        const double t0 = w.loop().now();
        w.loop().at(t0 + 11, [&] { w.keyClick(*w.R, Qt::Key_N, "n"); });
        w.loop().at(t0 + 12, [&] {
            w.click(w.R->txtOpzione[2]);
            w.click(w.R->cmdOK);
        });
        w.advance(13);
        QVERIFY(!w.ctx->screens.find<frmProvina2>());
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("-700"));
        QVERIFY(w.R->cmdGira2.enabled());
        QCOMPARE(int(w.M().bytGiri[2]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestCalcolatore)
#include "tst_frmProvina2.moc"

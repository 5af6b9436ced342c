// "CALCOLO OGGETTI": the row of fifty vehicles and the three numbers offered.
#include "challenges/short/frmProvina1.h"
#include "testkit/board.h"

#include <QPlainTextEdit>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
struct Calcolo : BoardWorld {
    Calcolo() { R = &apri(); }
    frmProvina1& carica()
    {
        frmProvina1* p = nullptr;
        run([&] {
            BloccaTabellone(*ctx);
            p = &ctx->screens.get<frmProvina1>();
            p->show();
        });
        return *p;
    }
    void chiudi(frmProvina1& p)
    {
        run([&] { p.unload(); });
    }
    frmRuota* R = nullptr;
};

const QString kSimboli = QStringLiteral("bfjot");
}  // namespace

class TestCalcolo : public QObject {
    Q_OBJECT
private slots:
    void everyLoadHasFiftyVehiclesAndOneRightOption()
    {
        Calcolo w;
        // The fake generator's own sequence gives a different item each time.
        for (int volta = 0; volta < 40; ++volta) {
            frmProvina1& p = w.carica();
            const QString riga = p.txtDomanda.text();
            QCOMPARE(riga.size(), 50);
            QCOMPARE(riga, p.strSequenza);
            int contati[5] = {};
            for (QChar c : riga) {
                QVERIFY(kSimboli.contains(c));
                ++contati[kSimboli.indexOf(c)];
            }
            const int risposta = contati[p.intTipo - 1];
            QCOMPARE(w.M().strRispostaEsatta, QString::number(risposta));
            QStringList opzioni;
            for (int i = 0; i <= 2; ++i)
                opzioni << w.R->txtOpzione[i].text();
            QCOMPARE(opzioni.count(QString::number(risposta)), 1);
            QCOMPARE(QSet<QString>(opzioni.begin(), opzioni.end()).size(), 3);
            for (const QString& o : opzioni)
                QVERIFY2(o.toInt() >= 0 && qAbs(o.toInt() - risposta) <= 5, qPrintable(o));
            QCOMPARE(w.M().strFileDomanda, w.path(QStringLiteral("sounds1/domanda1_%1.wav").arg(p.intTipo)));
            QVERIFY(p.cmdEsegui.enabled());
            QVERIFY(!p.txtDomanda.visible());
            w.chiudi(p);
        }
    }

    void allFirstDrawsZeroGiveFiftyOfOneKind()
    {
        Calcolo w;
        auto& r = w.fakes.random;
        for (int k = 0; k < 5; ++k)
            r.pushDraw(4, 50);   // 4 / 5 is 0
        r.pushDraw(3, 5);        // the kind that makes up the fifty: aeroplanes
        r.pushDraw(3, 5);        // and the one asked
        frmProvina1& p = w.carica();
        QCOMPARE(p.txtDomanda.text(), QString(50, QLatin1Char('j')));
        QCOMPARE(w.M().strRispostaEsatta, QStringLiteral("50"));
        QCOMPARE(p.strDomandaScritta, QStringLiteral("Quanti aerei avete visto sul monitor?"));
        // The box shows the pictures the characters stand for.
        const QString mostrato = static_cast<QPlainTextEdit*>(p.txtDomanda.widget())->toPlainText();
        QVERIFY(mostrato.contains(QChar(0x2708)));
    }

    void aKindNotShownHasOnlyPositiveOptions()
    {
        Calcolo w;
        auto& r = w.fakes.random;
        for (int u : {12, 12, 12, 12, 2})   // 2, 2, 2, 2 and trains 0
            r.pushDraw(u, 50);
        r.pushDraw(1, 5);                   // bicycles take the rest
        r.pushDraw(5, 5);                   // trains are asked
        frmProvina1& p = w.carica();
        QVERIFY(!p.txtDomanda.text().contains(QLatin1Char('t')));
        QCOMPARE(w.M().strRispostaEsatta, QStringLiteral("0"));
        QCOMPARE(p.txtDomanda.text().count(QLatin1Char('b')), 44);   // its own 2 and the 42 left
        for (int i = 0; i <= 2; ++i)
            QVERIFY(w.R->txtOpzione[i].text().toInt() >= 0);
    }
};

ZOLMERA_TEST_MAIN(TestCalcolo)
#include "tst_frmProvina1.moc"

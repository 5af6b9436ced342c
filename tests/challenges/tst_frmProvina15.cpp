// "LINGUAGGIO FARFALLINO": a city's name disguised in farfallino read for
// ten seconds, then the city typed on the board.
#include "challenges/short/frmProvina15.h"
#include "testkit/riga.h"

using namespace zolmera;
using namespace zolmera::testing;

class TestFarfallino : public QObject {
    Q_OBJECT
private slots:
    // The answer is the city's name upper-cased, its accent with it.
    void citiesArePinned_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("camuffata");
        QTest::addColumn<QString>("risposta");
        QTest::newRow("the first") << 1 << "Afalefessafandrifiafa" << "ALESSANDRIA";
        QTest::newRow("an accent") << 36 << QStringLiteral("Cifittàfa defel Cafapofo") << QStringLiteral("CITTÀ DEL CAPO");
        QTest::newRow("a J") << 37 << "Jfiofohafannefesbufurg" << "JOHANNESBURG";
        QTest::newRow("Marseille's Italian name") << 47 << "Mafarsifiglifiafa" << "MARSIGLIA";
        QTest::newRow("the last") << 50 << "Safan Befenefedefettofo defel Trofontofo" << "SAN BENEDETTO DEL TRONTO";
    }
    void citiesArePinned()
    {
        QFETCH(int, r);
        QFETCH(QString, camuffata);
        QFETCH(QString, risposta);
        MondoBreve<frmProvina15> w;
        w.fakes.random.pushDraw(r, frmProvina15::kCitta);
        frmProvina15& p = w.carica();
        QCOMPARE(p.txtDomanda.text(), camuffata);
        QCOMPARE(w.M().strRispostaEsatta, risposta);
    }

    void everyRowCanBeAnswered() { verificaRighe<frmProvina15>(QStringLiteral("farfallino")); }

    // The name as it is written: the accent counts, the blanks inside too.
    void theCityAsItIsWritten_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("digitata");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("small letters, the accent") << 36 << QStringLiteral("città del capo") << true;
        QTest::newRow("capitals, the accent") << 36 << QStringLiteral("CITTÀ DEL CAPO") << true;
        QTest::newRow("a plain a") << 36 << "citta del capo" << false;
        QTest::newRow("an apostrophe for the accent") << 36 << "citta' del capo" << false;
        QTest::newRow("four words") << 50 << "san benedetto del tronto" << true;
        QTest::newRow("two blanks inside") << 50 << "san benedetto  del tronto" << false;
        QTest::newRow("the disguise itself") << 47 << "mafarsifiglifiafa" << false;
    }
    void theCityAsItIsWritten()
    {
        QFETCH(int, r);
        QFETCH(QString, digitata);
        QFETCH(bool, giusta);
        MondoBreve<frmProvina15> w;
        QCOMPARE(w.dalPassoAlGiro({.k = 15, .r = r, .n = frmProvina15::kCitta, .risposta = w.tasti(digitata)}), giusta);
        QCOMPARE(w.R->txtRisposta.text(), digitata);
    }
};

ZOLMERA_TEST_MAIN(TestFarfallino)
#include "tst_frmProvina15.moc"

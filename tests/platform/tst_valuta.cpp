// Money: exact sums of ten-thousandths, numbers taken as money halves to
// even, amounts shown to the cent half a cent up.
#include "platform/valuta.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace zolmera;

class TstValuta : public QObject {
    Q_OBJECT
private slots:
    void aNumberTakenAsMoney_data()
    {
        QTest::addColumn<double>("numero");
        QTest::addColumn<qint64>("decimillesimi");
        QTest::newRow("nearest ten-thousandth") << 1.23456 << qint64(12346);
        QTest::newRow("negative") << -1.23456 << qint64(-12346);
        QTest::newRow("half, down to even") << 0.00025 << qint64(2);
        QTest::newRow("half, up to even") << 0.00035 << qint64(4);
        QTest::newRow("negative half to even") << -0.00025 << qint64(-2);
        // 0.00015 is a hair below in binary: no half at all.
        QTest::newRow("just below a half") << 0.00015 << qint64(1);
        QTest::newRow("beyond the range") << 1e300 << std::numeric_limits<qint64>::max();
        QTest::newRow("below the range") << -1e300 << std::numeric_limits<qint64>::min();
        QTest::newRow("not a number") << std::nan("") << qint64(0);
    }
    void aNumberTakenAsMoney()
    {
        QFETCH(double, numero);
        QFETCH(qint64, decimillesimi);
        QCOMPARE(Valuta::da(numero).decimillesimi(), decimillesimi);
    }

    void toTheCentHalfACentUp_data()
    {
        QTest::addColumn<qint64>("importo");
        QTest::addColumn<qint64>("arrotondato");
        QTest::addColumn<QString>("mostrato");
        QTest::newRow("below half") << qint64(12349) << qint64(12300) << "1,23";
        QTest::newRow("half up, not to even") << qint64(12250) << qint64(12300) << "1,23";
        QTest::newRow("half up") << qint64(12350) << qint64(12400) << "1,24";
        QTest::newRow("negative half away from zero") << qint64(-12350) << qint64(-12400) << "-1,24";
        QTest::newRow("negative below half") << qint64(-12349) << qint64(-12300) << "-1,23";
        QTest::newRow("half a cent") << qint64(50) << qint64(100) << "0,01";
        QTest::newRow("zero") << qint64(0) << qint64(0) << "0,00";
        QTest::newRow("no grouping") << qint64(12345000) << qint64(12345000) << "1234,50";
    }
    void toTheCentHalfACentUp()
    {
        QFETCH(qint64, importo);
        QFETCH(qint64, arrotondato);
        QFETCH(QString, mostrato);
        const Valuta v = Valuta::decimillesimi(importo);
        QCOMPARE(v.alCentesimo().decimillesimi(), arrotondato);
        // The format rounds as the cent does, whether rounded first or not.
        QCOMPARE(formatValuta(v), mostrato);
        QCOMPARE(formatValuta(v.alCentesimo()), mostrato);
    }

    // A price per kilogram times a weight in single precision, as a bill
    // line is made: the float's shortfall is kept to the ten-thousandth.
    void aPriceTimesAWeight_data()
    {
        QTest::addColumn<qint64>("prezzo");
        QTest::addColumn<double>("grammi");
        QTest::addColumn<qint64>("riga");
        QTest::newRow("3.57 x 1234 g") << qint64(35700) << 1234.0 << qint64(44054);
        QTest::newRow("3.57 x 1234.5 g") << qint64(35700) << 1234.5 << qint64(44072);
        QTest::newRow("2.35 x 1333 g") << qint64(23500) << 1333.0 << qint64(31325);
        QTest::newRow("14.00 x 250 g") << qint64(140000) << 250.0 << qint64(35000);
    }
    void aPriceTimesAWeight()
    {
        QFETCH(qint64, prezzo);
        QFETCH(double, grammi);
        QFETCH(qint64, riga);
        const float chili = float(grammi / 1000);
        QCOMPARE(Valuta::decimillesimi(prezzo).per(chili).decimillesimi(), riga);
    }

    void sumsAreExact()
    {
        Valuta somma;
        for (int i = 0; i < 10; ++i)
            somma += Valuta::da(0.1);
        QCOMPARE(somma, Valuta::da(1.0));
        QCOMPARE((Valuta::da(2.5) - Valuta::da(4.0)).assoluto(), Valuta::da(1.5));
        QVERIFY(Valuta::da(1.5) < Valuta::da(1.5001));
    }
};

QTEST_GUILESS_MAIN(TstValuta)
#include "tst_valuta.moc"

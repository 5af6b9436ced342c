#include "platform/format.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace zolmera;

class TstFormat : public QObject {
    Q_OBJECT

private slots:
    void importo_data();
    void importo();
    void importoDecimali_data();
    void importoDecimali();
    void dueCifre_data();
    void dueCifre();
    void secondi_data();
    void secondi();
    void decimali_data();
    void decimali();
    void strOfInteger_data();
    void strOfInteger();
    void strOfDouble_data();
    void strOfDouble();
    void dataLunga_data();
    void dataLunga();
    void dataBreve_data();
    void dataBreve();
};

void TstFormat::importo_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("three digits") << qint64(999) << "999";
    QTest::newRow("four digits") << qint64(1000) << "1.000";
    QTest::newRow("millions") << qint64(1234567) << "1.234.567";
    QTest::newRow("negative") << qint64(-1500) << "-1.500";
    QTest::newRow("negative small") << qint64(-7) << "-7";
    QTest::newRow("most negative") << std::numeric_limits<qint64>::min()
                                   << "-9.223.372.036.854.775.808";
}

void TstFormat::importo()
{
    QFETCH(qint64, n);
    QFETCH(QString, expected);
    QCOMPARE(formatImporto(n), expected);
}

void TstFormat::importoDecimali_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0,00";
    QTest::newRow("grouped") << 1234.5 << "1.234,50";
    QTest::newRow("millions") << 1234567.891 << "1.234.567,89";
    QTest::newRow("half up") << 0.005 << "0,01";
    QTest::newRow("half away from zero") << -0.005 << "-0,01";
    QTest::newRow("below half") << 0.004 << "0,00";
    // Seen as a decimal, not as the binary 1.00499999...
    QTest::newRow("decimal half") << 1.005 << "1,01";
    QTest::newRow("carry into thousands") << 999.995 << "1.000,00";
    QTest::newRow("negative") << -1500.25 << "-1.500,25";
    QTest::newRow("rounds to zero has no sign") << -0.001 << "0,00";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0,30";
}

void TstFormat::importoDecimali()
{
    QFETCH(double, n);
    QFETCH(QString, expected);
    QCOMPARE(formatImportoDecimali(n), expected);
}

void TstFormat::dueCifre_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << qint64(0) << "00";
    QTest::newRow("one digit") << qint64(5) << "05";
    QTest::newRow("two digits") << qint64(42) << "42";
    QTest::newRow("three digits") << qint64(123) << "123";
    QTest::newRow("negative") << qint64(-5) << "-05";
}

void TstFormat::dueCifre()
{
    QFETCH(qint64, n);
    QFETCH(QString, expected);
    QCOMPARE(formatDueCifre(n), expected);
}

void TstFormat::decimali_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0,00";
    QTest::newRow("one leading zero") << 0.5 << "0,50";
    QTest::newRow("half a cent rounds up") << 1.005 << "1,01";
    QTest::newRow("below half") << 2.0049 << "2,00";
    QTest::newRow("no grouping") << 1234.5 << "1234,50";
    QTest::newRow("negative") << -30.125 << "-30,13";
    QTest::newRow("rounds to zero, no sign") << -0.004 << "0,00";
}

void TstFormat::decimali()
{
    QFETCH(double, n);
    QFETCH(QString, expected);
    QCOMPARE(formatDecimali(n), expected);
}

void TstFormat::secondi_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "00,00";
    QTest::newRow("padded") << 5.5 << "05,50";
    QTest::newRow("rounded") << 12.345 << "12,35";
    QTest::newRow("carry") << 9.999 << "10,00";
    QTest::newRow("three digits") << 123.4 << "123,40";
    QTest::newRow("no grouping") << 1234.0 << "1234,00";
    QTest::newRow("negative") << -5.5 << "-05,50";
}

void TstFormat::secondi()
{
    QFETCH(double, n);
    QFETCH(QString, expected);
    QCOMPARE(formatSecondi(n), expected);
}

void TstFormat::strOfInteger_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("positive") << qint64(5) << " 5";
    QTest::newRow("zero") << qint64(0) << " 0";
    QTest::newRow("negative") << qint64(-3) << "-3";
    QTest::newRow("no grouping") << qint64(1234567) << " 1234567";
    QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "-9223372036854775808";
}

void TstFormat::strOfInteger()
{
    QFETCH(qint64, n);
    QFETCH(QString, expected);
    QCOMPARE(vbStr(n), expected);
}

void TstFormat::strOfDouble_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 5.0 << " 5";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("negative whole") << -3.0 << "-3";
    QTest::newRow("fraction") << 2.5 << " 2.5";
    QTest::newRow("no trailing zeros") << 2.50 << " 2.5";
    QTest::newRow("below one") << 0.25 << " .25";
    QTest::newRow("negative below one") << -0.5 << "-.5";
    QTest::newRow("small") << 0.001 << " .001";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << " .3";
    QTest::newRow("doc example") << -459.65 << "-459.65";
    QTest::newRow("tens") << 120.0 << " 120";
    QTest::newRow("fifteen digits") << 123456789012345.0 << " 123456789012345";
    QTest::newRow("large") << 1.5e20 << " 1.5E+20";
    QTest::newRow("tiny") << 0.00001 << " 1E-05";
}

void TstFormat::strOfDouble()
{
    QFETCH(double, n);
    QFETCH(QString, expected);
    QCOMPARE(vbStr(n), expected);
}

void TstFormat::dataLunga_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("thursday") << QDate(2026, 12, 10) << QStringLiteral("giovedì 10 dicembre 2026");
    QTest::newRow("monday, padded day") << QDate(2024, 1, 1) << QStringLiteral("lunedì 01 gennaio 2024");
    QTest::newRow("sunday") << QDate(2024, 3, 31) << QStringLiteral("domenica 31 marzo 2024");
    QTest::newRow("saturday") << QDate(2004, 4, 3) << QStringLiteral("sabato 03 aprile 2004");
    QTest::newRow("leap day") << QDate(2000, 2, 29) << QStringLiteral("martedì 29 febbraio 2000");
    QTest::newRow("invalid") << QDate() << QString();
}

void TstFormat::dataLunga()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(formatDataLunga(date), expected);
}

void TstFormat::dataBreve_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("padded day and month") << QDate(2027, 1, 5) << QStringLiteral("05/01/2027");
    QTest::newRow("the zero of a record's date") << QDate(1899, 12, 30) << QStringLiteral("30/12/1899");
    QTest::newRow("invalid") << QDate() << QString();
}

void TstFormat::dataBreve()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(formatDataBreve(date), expected);
}

QTEST_GUILESS_MAIN(TstFormat)
#include "tst_format.moc"

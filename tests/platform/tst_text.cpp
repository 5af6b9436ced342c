#include "platform/text.h"

#include <QtTest>

using namespace zolmera;

class TstText : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips();
    void knownBytes_data();
    void knownBytes();
    void unmappableBecomesQuestionMark_data();
    void unmappableBecomesQuestionMark();
    void caseChanges_data();
    void caseChanges();
    void trims_data();
    void trims();
    void fixedTextPadsAndCuts_data();
    void fixedTextPadsAndCuts();
    void valReadsTheLeadingNumber_data();
    void valReadsTheLeadingNumber();
};

void TstText::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));

    const QString text = fromCp1252(all);
    QCOMPARE(text.size(), 256);
    for (int b = 0; b < 256; ++b) {
        QVERIFY2(isCp1252(text.at(b)), qPrintable(QString::number(b, 16)));
        QCOMPARE(toCp1252(QString(text.at(b))), QByteArray(1, char(b)));
    }
    QCOMPARE(toCp1252(text), all);
}

void TstText::knownBytes_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");

    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 81") << 0x81 << 0x0081;
    QTest::newRow("low quote") << 0x82 << 0x201A;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("OE") << 0x8C << 0x0152;
    QTest::newRow("undefined 8D") << 0x8D << 0x008D;
    QTest::newRow("Z caron") << 0x8E << 0x017D;
    QTest::newRow("undefined 8F") << 0x8F << 0x008F;
    QTest::newRow("undefined 90") << 0x90 << 0x0090;
    QTest::newRow("right quote") << 0x92 << 0x2019;
    QTest::newRow("em dash") << 0x97 << 0x2014;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("s caron") << 0x9A << 0x0161;
    QTest::newRow("undefined 9D") << 0x9D << 0x009D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("nbsp") << 0xA0 << 0x00A0;
    QTest::newRow("e grave") << 0xE8 << 0x00E8;
    QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
    QTest::newRow("ascii") << 0x41 << 0x0041;
}

void TstText::knownBytes()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QByteArray b(1, char(byte));
    QCOMPARE(fromCp1252(b), QString(QChar(char16_t(unicode))));
    QCOMPARE(toCp1252(QString(QChar(char16_t(unicode)))), b);
}

void TstText::unmappableBecomesQuestionMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("latin extended") << QStringLiteral("A\u0100B") << QByteArray("A?B");
    QTest::newRow("C1 control the page replaced") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("cjk") << QStringLiteral("\u4E2D\u6587") << QByteArray("??");
    // One character outside the BMP is one '?', not one per UTF-16 unit.
    QTest::newRow("emoji") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("italian") << QStringLiteral("Perché più così €")
                             << QByteArray("Perch\xE9 pi\xF9 cos\xEC \x80");
}

void TstText::unmappableBecomesQuestionMark()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toCp1252(text), bytes);
}

void TstText::caseChanges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");

    QTest::newRow("ascii") << "Zolmera 2!" << "ZOLMERA 2!" << "zolmera 2!";
    QTest::newRow("accents") << QStringLiteral("Perché PIÙ così")
                             << QStringLiteral("PERCHÉ PIÙ COSÌ")
                             << QStringLiteral("perché più così");
    QTest::newRow("e grave") << QStringLiteral("è") << QStringLiteral("È") << QStringLiteral("è");
    // Its capital needs two letters: the platform leaves it alone.
    QTest::newRow("sharp s") << QStringLiteral("ß") << QStringLiteral("ß") << QStringLiteral("ß");
    // The capital of ÿ lives in the 0x80-0x9F block (0x9F).
    QTest::newRow("y diaeresis") << QStringLiteral("ÿ") << QStringLiteral("Ÿ") << QStringLiteral("ÿ");
    QTest::newRow("Y diaeresis") << QStringLiteral("Ÿ") << QStringLiteral("Ÿ") << QStringLiteral("ÿ");
    QTest::newRow("carons and oe") << QStringLiteral("šžœ") << QStringLiteral("ŠŽŒ")
                                   << QStringLiteral("šžœ");
    // The other case is outside the code page (Greek mu, hooked F).
    QTest::newRow("micro") << QStringLiteral("µ") << QStringLiteral("µ") << QStringLiteral("µ");
    QTest::newRow("florin") << QStringLiteral("ƒ") << QStringLiteral("ƒ") << QStringLiteral("ƒ");
    // Letters that are not in the code page keep their case.
    QTest::newRow("outside page") << QStringLiteral("āĀ") << QStringLiteral("āĀ")
                                  << QStringLiteral("āĀ");
    QTest::newRow("dotted I") << QStringLiteral("İı") << QStringLiteral("İı") << QStringLiteral("İı");
}

void TstText::caseChanges()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QCOMPARE(vbUCase(text), upper);
    QCOMPARE(vbLCase(text), lower);
}

void TstText::trims_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trim");
    QTest::addColumn<QString>("ltrim");
    QTest::addColumn<QString>("rtrim");

    QTest::newRow("blanks") << "  a b  " << "a b" << "a b  " << "  a b";
    QTest::newRow("only blanks") << "   " << "" << "" << "";
    QTest::newRow("empty") << "" << "" << "" << "";
    QTest::newRow("tabs stay") << "\ta\t" << "\ta\t" << "\ta\t" << "\ta\t";
    QTest::newRow("blank then tab") << " \t a \t " << "\t a \t" << "\t a \t " << " \t a \t";
    QTest::newRow("nbsp stays") << QStringLiteral("\u00A0a\u00A0") << QStringLiteral("\u00A0a\u00A0")
                                << QStringLiteral("\u00A0a\u00A0") << QStringLiteral("\u00A0a\u00A0");
    QTest::newRow("newline stays") << " a\n " << "a\n" << "a\n " << " a\n";
}

void TstText::trims()
{
    QFETCH(QString, text);
    QFETCH(QString, trim);
    QFETCH(QString, ltrim);
    QFETCH(QString, rtrim);
    QCOMPARE(vbTrim(text), trim);
    QCOMPARE(vbLTrim(text), ltrim);
    QCOMPARE(vbRTrim(text), rtrim);
}

void TstText::fixedTextPadsAndCuts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");

    QTest::newRow("padded") << "abc" << 6 << "abc   ";
    QTest::newRow("cut") << "abcdef" << 4 << "abcd";
    QTest::newRow("exact") << "abc" << 3 << "abc";
    QTest::newRow("empty padded") << "" << 2 << "  ";
    QTest::newRow("zero width") << "abc" << 0 << "";
    QTest::newRow("negative width") << "abc" << -1 << "";
}

void TstText::fixedTextPadsAndCuts()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(fixedText(text, n), expected);
}

void TstText::valReadsTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("whole") << "12345" << 12345.0;
    QTest::newRow("decimal point") << "1234.5" << 1234.5;
    QTest::newRow("a comma ends it") << "1234,5" << 1234.0;
    QTest::newRow("letters end it") << "250 grammi" << 250.0;
    QTest::newRow("blanks anywhere are skipped") << "  1 2\t3" << 123.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("negative") << "-5000" << -5000.0;
    QTest::newRow("sign apart from digits") << "- 5" << -5.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("a second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1.5E3" << 1500.0;
    QTest::newRow("D exponent, negative") << "25d-1" << 2.5;
    QTest::newRow("an exponent without digits is left") << "7e" << 7.0;
    QTest::newRow("25 digits") << "1234567890123456789012345" << 1234567890123456789012345.0;
    QTest::newRow("beyond a double") << "9e999" << qInf();
    QTest::newRow("below a double") << "1e-999" << 0.0;
    QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    QTest::newRow("hexadecimal, 16 bits") << "&HFFFF" << -1.0;
    QTest::newRow("hexadecimal, 32 bits") << "&H10000" << 65536.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("not a letter of ours") << QStringLiteral("3\u00BD") << 3.0;
}

void TstText::valReadsTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(vbVal(text), expected);
}

QTEST_GUILESS_MAIN(TstText)
#include "tst_text.moc"

// The caged words' table: the build refuses a row whose cage, word or run
// breaks the game's shape, naming its line.
#include "prove.h"
#include "records/tabella.h"

#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {
constexpr QChar kPuntini = u'\u2026';

// A table that keeps every rule: a note, then 39 runs of cage "K" and two
// letters counting the run (KAA, KAB, ...), the first 22 caging beginnings,
// the rest endings; the first run has 13 rows, the others 12. Row n (on
// line n + 1) is "Questo '<cage>' prova n", its word the cage's letters
// with "O" and a letter counting the row in its run on the open side.
QStringList gabbieValide()
{
    QStringList righe{QStringLiteral("# parole di prova")};
    int n = 0;
    for (int s = 0; s < 39; ++s) {
        const QString lettere = QStringLiteral("K") + QChar(u'A' + s / 26) + QChar(u'A' + s % 26);
        const bool inizio = s < 22;
        const QString gabbia = inizio ? lettere + kPuntini : kPuntini + lettere;
        for (int k = 0; k < (s == 0 ? 13 : 12); ++k) {
            const QString coda = QStringLiteral("O") + QChar(u'A' + k);
            righe << QStringLiteral("Questo '%1' prova %2\t%3").arg(gabbia).arg(++n).arg(inizio ? lettere + coda : coda + lettere);
        }
    }
    return righe;
}

QStringList controlla(const QStringList& righe)
{
    QList<ErroreTabella> errori;
    controllaProve({leggiTabella(QStringLiteral("gabbie.tsv"), righe.join(u'\n').toUtf8(), errori)}, errori);
    QStringList testi;
    for (const ErroreTabella& e : errori)
        testi << e.testo();
    return testi;
}
}  // namespace

class TestProveGabbie : public QObject {
    Q_OBJECT
private slots:
    void aRowThatBreaksTheShapeIsRefused_data()
    {
        // Each "line|text" replaces that line; "line|-" removes it, "line|+" repeats it.
        QTest::addColumn<QStringList>("nuove");
        QTest::addColumn<QStringList>("errori");
        const QString forma = QStringLiteral(
            "gabbie.tsv:20: the definition must be: Questo, Questa, Questi or Queste, the cage (2 to 6 capital "
            "letters and \"…\" on its open side, no blank) between apostrophes, the definition");
        const QString parola = QStringLiteral("gabbie.tsv:20: the answer must be 3 to 15 capital letters, blanks or apostrophes");
        auto riga = [](const QString& testo) { return QStringList{QStringLiteral("20|") + testo}; };

        QTest::newRow("as built") << QStringList() << QStringList();
        QTest::newRow("67 characters") << riga("Questo 'KAB…' prova 19" + QString(45, u'x') + "\tKABOF") << QStringList();
        QTest::newRow("68 characters") << riga("Questo 'KAB…' prova 19" + QString(46, u'x') + "\tKABOF")
                                       << QStringList{"gabbie.tsv:20: the definition is longer than 67 characters"};
        QTest::newRow("Queste, a blank and an apostrophe") << riga("Queste 'KAB…' prova 19\tKAB D'O") << QStringList();
        QTest::newRow("another opening word") << riga("Quello 'KAB…' prova 19\tKABOF") << QStringList{forma};
        QTest::newRow("a cage of small letters") << riga("Questo 'kab…' prova 19\tKABOF") << QStringList{forma};
        QTest::newRow("a blank before the dots") << riga("Questo 'KAB …' prova 19\tKABOF") << QStringList{forma};
        QTest::newRow("three dots for the ellipsis") << riga("Questo 'KAB...' prova 19\tKABOF") << QStringList{forma};
        QTest::newRow("dots on both sides") << riga("Questo '…KAB…' prova 19\tKABOF") << QStringList{forma};
        QTest::newRow("a cage of one letter") << riga("Questo 'K…' prova 19\tKABOF") << QStringList{forma};
        QTest::newRow("a cage of seven letters") << riga("Questo 'KABOFOO…' prova 19\tKABOFOOO") << QStringList{forma};
        QTest::newRow("no cage") << riga("Questo prova 19\tKABOF") << QStringList{forma};
        QTest::newRow("no definition after the cage") << riga("Questo 'KAB…'\tKABOF") << QStringList{forma};
        QTest::newRow("a word of two letters") << riga("Questo 'KAB…' prova 19\tKA") << QStringList{parola};
        QTest::newRow("a word of 16 letters") << riga("Questo 'KAB…' prova 19\tKABOFOOOOOOOOOOO") << QStringList{parola};
        QTest::newRow("an accented letter") << riga(QStringLiteral("Questo 'KAB…' prova 19\tKABOFÈ")) << QStringList{parola};
        QTest::newRow("a digit") << riga("Questo 'KAB…' prova 19\tKAB5") << QStringList{parola};
        QTest::newRow("the word in small letters") << riga("Questo 'KAB…' prova 19\tkabof") << QStringList{parola};
        QTest::newRow("a beginning the word does not keep") << riga("Questo 'KAB…' prova 19\tOFKAB")
                                                            << QStringList{"gabbie.tsv:20: \"OFKAB\" does not begin with the cage's letters"};
        QTest::newRow("an ending the word does not keep")
            << QStringList{"300|Questo '…KAY' prova 299\tKAYOJ"}
            << QStringList{"gabbie.tsv:300: \"KAYOJ\" does not end with the cage's letters"};
        QTest::newRow("the word is the cage") << riga("Questo 'KAB…' prova 19\tKAB")
                                              << QStringList{"gabbie.tsv:20: \"KAB\" is the cage itself"};
        QTest::newRow("a definition twice") << riga("Questo 'KAB…' prova 18\tKABOZ")
                                            << QStringList{"gabbie.tsv:20: this definition is already on line 19"};
        QTest::newRow("a word three times") << QStringList{"16|Questo 'KAB…' prova 15\tKABOA", "17|Questo 'KAB…' prova 16\tKABOA"}
                                            << QStringList();
        QTest::newRow("a word four times")
            << QStringList{"16|Questo 'KAB…' prova 15\tKABOA", "17|Questo 'KAB…' prova 16\tKABOA", "18|Questo 'KAB…' prova 17\tKABOA"}
            << QStringList{"gabbie.tsv:18: \"KABOA\" is already the answer on lines 15, 16 and 17"};
        QTest::newRow("no answer") << riga("Questo 'KAB…' prova 19") << QStringList{"gabbie.tsv:20: a row must be: definition, answer"};
        QTest::newRow("a third field") << riga("Questo 'KAB…' prova 19\tKABOF\tnota")
                                       << QStringList{"gabbie.tsv:20: a row must be: definition, answer"};
        QTest::newRow("a run a row short") << QStringList{"20|-"}
                                           << QStringList{"gabbie.tsv:15: the run of 'KAB…' has 11 rows, not 12",
                                                          "gabbie.tsv: the table has 468 rows, not 469"};
        QTest::newRow("a second run of 13") << QStringList{"20|+"}
                                            << QStringList{"gabbie.tsv:21: this definition is already on line 20",
                                                           "gabbie.tsv:15: the run of 'KAB…' has 13 rows, not 12",
                                                           "gabbie.tsv: the table has 470 rows, not 469"};
        QTest::newRow("a run broken by another cage")
            << riga("Questo 'KAA…' prova 19\tKAAOF")
            << QStringList{"gabbie.tsv:15: the run of 'KAB…' has 5 rows, not 12",
                           "gabbie.tsv:20: the cage 'KAA…' already ran from line 2",
                           "gabbie.tsv:20: the run of 'KAA…' has 1 rows, not 12",
                           "gabbie.tsv:21: the cage 'KAB…' already ran from line 15",
                           "gabbie.tsv:21: the run of 'KAB…' has 6 rows, not 12",
                           "gabbie.tsv: the table has 24 cages of a beginning and 17 of an ending, not 22 and 17"};
    }
    void aRowThatBreaksTheShapeIsRefused()
    {
        QFETCH(QStringList, nuove);
        QFETCH(QStringList, errori);
        QStringList righe = gabbieValide();
        QCOMPARE(righe[20 - 1], QStringLiteral("Questo 'KAB…' prova 19\tKABOF"));
        QCOMPARE(righe[300 - 1], QStringLiteral("Questo '…KAY' prova 299\tOJKAY"));
        QCOMPARE(righe.size(), 1 + 469);
        // From the last line up, so a removed or repeated line leaves the others where they are.
        for (auto it = nuove.crbegin(); it != nuove.crend(); ++it) {
            const int linea = it->section(u'|', 0, 0).toInt();
            const QString testo = it->section(u'|', 1);
            if (testo == QLatin1String("-"))
                righe.removeAt(linea - 1);
            else if (testo == QLatin1String("+"))
                righe.insert(linea - 1, righe[linea - 1]);
            else
                righe[linea - 1] = testo;
        }
        QCOMPARE(controlla(righe), errori);
    }
};

QTEST_GUILESS_MAIN(TestProveGabbie)
#include "tst_prove_gabbie.moc"

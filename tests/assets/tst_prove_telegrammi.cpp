// The telegrams' table: the build stops on each broken rule, naming the
// line and the rule.
#include "prove.h"
#include "records/tabella.h"

#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

const QString kScelte = QStringLiteral("\tANNA ROSSI\tBRUNO VERDI\tCARLA BIANCHI\tBRUNO VERDI");

// A telegram of exactly n characters (60 or more) that keeps every rule:
// three statements, one title.
QString telegramma(int n)
{
    const QString inizio = QStringLiteral("NATO A ROMA NEL 1950 STOP CONDUCE <IL PROGRAMMA> STOP PRESENTA ");
    return inizio + QString(n - int(inizio.size()), u'A');
}

// A table that keeps every rule: a note, then on line k + 1 telegram k.
QStringList telegrammiValidi()
{
    QStringList righe{QStringLiteral("# telegrammi di prova")};
    for (int k = 1; k <= 35; ++k)
        righe << telegramma(100 + k) + kScelte;
    return righe;
}

QStringList controlla(const QStringList& righe)
{
    QList<ErroreTabella> errori;
    controllaProve({leggiTabella(QStringLiteral("telegrammi.tsv"), righe.join(u'\n').toUtf8(), errori)}, errori);
    QStringList testi;
    for (const ErroreTabella& e : errori)
        testi << e.testo();
    return testi;
}

}  // namespace

class TestTelegrammi : public QObject {
    Q_OBJECT
private slots:
    void aBrokenTelegramStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 5 becomes this; "-" removes it
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("telegrammi.tsv:5: ");
        const QString stop = qui + "a \"STOP\" does not stand between two statements with one blank on each side";
        const QString titoli = qui + "the titles' \"<\" and \">\" do not pair up around a title";
        QTest::newRow("98 characters") << telegramma(98) + kScelte << QStringList();
        QTest::newRow("239 characters") << telegramma(239) + kScelte << QStringList();
        QTest::newRow("97 characters") << telegramma(97) + kScelte
                                       << QStringList{qui + "the telegram has 97 characters, not 98 to 239"};
        QTest::newRow("240 characters") << telegramma(240) + kScelte
                                        << QStringList{qui + "the telegram has 240 characters, not 98 to 239"};
        QTest::newRow("no person") << telegramma(120) + "\tANNA ROSSI\tBRUNO VERDI\tCARLA BIANCHI"
                                   << QStringList{qui + "a row must be: telegram, three choices, person"};
        QTest::newRow("small letters") << telegramma(119) + "a" + kScelte
                                       << QStringList{qui + "the telegram is not in upper case"};
        QTest::newRow("one statement") << QString(120, u'A') + kScelte
                                       << QStringList{qui + "the telegram has 1 statements, not 2 to 6"};
        QTest::newRow("six statements") << QStringList(6, QString(20, u'A')).join(" STOP ") + kScelte << QStringList();
        QTest::newRow("seven statements") << QStringList(7, QString(20, u'A')).join(" STOP ") + kScelte
                                          << QStringList{qui + "the telegram has 7 statements, not 2 to 6"};
        QTest::newRow("a STOP at the end") << telegramma(115) + " STOP" + kScelte << QStringList{stop};
        QTest::newRow("a STOP at the start") << "STOP " + telegramma(115) + kScelte << QStringList{stop};
        QTest::newRow("two blanks before a STOP") << telegramma(100).replace("1950 STOP", "1950  STOP") + kScelte
                                                  << QStringList{stop};
        QTest::newRow("a STOP without its blanks") << telegramma(100).replace("1950 STOP", "1950 STOP,") + kScelte
                                                   << QStringList{stop};
        QTest::newRow("a title left open") << telegramma(100).remove(u'>') + kScelte << QStringList{titoli};
        QTest::newRow("a title closed twice") << telegramma(100).replace(">", ">>") + kScelte << QStringList{titoli};
        QTest::newRow("a title inside a title") << telegramma(100).replace("<IL", "<<IL") + kScelte
                                                << QStringList{titoli};
        QTest::newRow("an empty title") << telegramma(100).replace("<IL PROGRAMMA>", "<>IL PROGRAMMA") + kScelte
                                        << QStringList{titoli};
        QTest::newRow("a choice in small letters")
            << telegramma(120) + "\tAnna Rossi\tBRUNO VERDI\tCARLA BIANCHI\tBRUNO VERDI"
            << QStringList{qui + "choice 1 is not in upper case"};
        QTest::newRow("the person named") << telegramma(120).replace("ROMA", "ROMA DA VERDI") + kScelte
                                          << QStringList{qui + "the telegram names choice 2 (\"VERDI\")"};
        QTest::newRow("a wrong choice named in small letters")
            << telegramma(120).replace("ROMA", "ROMA DA FERRI") + "\tANNA ROSSI\tBRUNO VERDI\tCarla Ferri\tBRUNO VERDI"
            << QStringList{qui + "choice 3 is not in upper case", qui + "the telegram names choice 3 (\"Ferri\")"};
        QTest::newRow("a stage name named")
            << telegramma(120).replace("ROMA", "ROMA DA CORRADO") + "\tCORRADO\tBRUNO VERDI\tCARLA BIANCHI\tBRUNO VERDI"
            << QStringList{qui + "the telegram names choice 1 (\"CORRADO\")"};
        QTest::newRow("a surname inside a longer word")
            << telegramma(120).replace("ROMA", "ROMA DA ROSSINI") + kScelte << QStringList();
        QTest::newRow("34 telegrams") << "-" << QStringList{"telegrammi.tsv: the table has 34 telegrams, not 35"};
    }
    void aBrokenTelegramStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        QStringList righe = telegrammiValidi();
        if (nuova == QLatin1String("-"))
            righe.removeAt(5 - 1);
        else
            righe[5 - 1] = nuova;
        QCOMPARE(controlla(righe), errori);
    }
};

QTEST_GUILESS_MAIN(TestTelegrammi)
#include "tst_prove_telegrammi.moc"

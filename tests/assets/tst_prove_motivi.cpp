// The passages of IL MOTIVO MISTERIOSO: the build refuses a row that breaks
// one of the table's own rules, naming its line, and a work not yet free.
#include "prove_motivi.h"
#include "records/tabella.h"

#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

// The year the fixture's checks run in: authors dead in 1955 or before are free.
constexpr int kAnno = 2026;

// A table that keeps every rule: a note, then on line k + 1 song k, its
// passage "Versi k" and 90 "x", its title "TITOLO k"; songs 1 to 35 (lines
// 2 to 36) offer "TITOLO k", "ALTRO k" and "ANCORA k", the others none.
QStringList motiviValidi()
{
    QStringList righe{QStringLiteral("# motivi di prova")};
    for (int k = 1; k <= 80; ++k) {
        const QString scelte = k <= 35 ? QStringLiteral("TITOLO %1\tALTRO %1\tANCORA %1").arg(k) : QStringLiteral("\t\t");
        righe << QStringLiteral("Versi %1 %2\t%3\tTITOLO %1\tGiuseppe Verdi 1901; Francesco Maria Piave 1876")
                     .arg(k)
                     .arg(QString(90, u'x'), scelte);
    }
    return righe;
}

QString passaggio(int caratteri) { return QStringLiteral("Versi ") + QString(caratteri - 6, u'x'); }

}  // namespace

class TestProveMotivi : public QObject {
    Q_OBJECT
private slots:
    void aBrokenSongRowStopsTheBuild_data()
    {
        QTest::addColumn<int>("linea");        // 10 has choices, 50 has none
        QTest::addColumn<QString>("nuova");    // the line becomes this; "-" removes it
        QTest::addColumn<QStringList>("errori");
        const QString verdi = QStringLiteral("Giuseppe Verdi 1901");
        auto riga = [](const QString& testo, const QString& scelte, const QString& titolo, const QString& autori) {
            return QStringList{testo, scelte, titolo, autori}.join(u'\t');
        };
        const QString nessuna = QStringLiteral("\t\t");
        const QString qui = QStringLiteral("motivi.tsv:50: ");
        const QString qui10 = QStringLiteral("motivi.tsv:10: ");

        QTest::newRow("traditional, accents and apostrophes")
            << 50 << riga(QStringLiteral("Che bella cosa na jurnata 'e sole, n'aria serena doppo na tempesta! Pe' ll'aria fresca pare già na festa."),
                          nessuna, QStringLiteral("'O SOLE MIO"), QStringLiteral("Giovanni Capurro 1920; Eduardo Di Capua 1917"))
            << QStringList();
        QTest::newRow("a song of ours") << 50 << riga(passaggio(100), nessuna, "TITOLO 49", "scritta per il gioco") << QStringList();
        QTest::newRow("a folk song") << 10 << riga(passaggio(100), "ALTRO 9\tTITOLO 9\tANCORA 9", "TITOLO 9", "tradizionale")
                                     << QStringList();
        QTest::newRow("a passage of 89") << 50 << riga(passaggio(89), nessuna, "TITOLO 49", verdi) << QStringList();
        QTest::newRow("a passage of 338") << 50 << riga(passaggio(338), nessuna, "TITOLO 49", verdi) << QStringList();
        QTest::newRow("a passage of 88") << 50 << riga(passaggio(88), nessuna, "TITOLO 49", verdi)
                                         << QStringList{qui + "the passage has 88 characters, not 89 to 338"};
        QTest::newRow("a passage of 339") << 50 << riga(passaggio(339), nessuna, "TITOLO 49", verdi)
                                          << QStringList{qui + "the passage has 339 characters, not 89 to 338"};
        QTest::newRow("an empty passage") << 50 << riga(QString(), nessuna, "TITOLO 49", verdi)
                                          << QStringList{qui + "the passage is empty"};
        QTest::newRow("verses apart by a slash")
            << 50 << riga(passaggio(60) + " / " + passaggio(40), nessuna, "TITOLO 49", verdi)
            << QStringList{qui + "the passage must be one paragraph, without \"/\" or \"\\\" between lines"};
        QTest::newRow("the title in the passage, in small letters")
            << 50 << riga(passaggio(80) + " titolo 49", nessuna, "TITOLO 49", verdi)
            << QStringList{qui + "the passage contains its title"};
        QTest::newRow("the right choice in the passage")
            << 10 << riga(passaggio(80) + " Titolo 9", "TITOLO 9\tALTRO 9\tANCORA 9", "TITOLO 9", verdi)
            << QStringList{qui10 + "the passage contains its title"};
        QTest::newRow("a typed title in small letters") << 50 << riga(passaggio(100), nessuna, "Titolo 49", verdi)
                                                        << QStringList{qui + "the title is not in upper case"};
        QTest::newRow("a wrong choice in small letters")
            << 10 << riga(passaggio(100), "TITOLO 9\tAltro 9\tANCORA 9", "TITOLO 9", verdi)
            << QStringList{qui10 + "choice 2 is not in upper case"};
        QTest::newRow("the board's rules on the choices")
            << 10 << riga(passaggio(100), "ALTRO 9\tANCORA 9\tALTRO 99", "TITOLO 9", verdi)
            << QStringList{qui10 + "the answer is none of the three choices"};
        QTest::newRow("no authors") << 50 << riga(passaggio(100), nessuna, "TITOLO 49", QString()).chopped(1)
                                    << QStringList{qui + "a row must be: passage, three titles or three empty fields, title, authors"};
        QTest::newRow("dead 71 years before") << 50 << riga(passaggio(100), nessuna, "TITOLO 49", "Renato Simoni 1955")
                                              << QStringList();
        QTest::newRow("dead 70 years before")
            << 50 << riga(passaggio(100), nessuna, "TITOLO 49", "Giuseppe Verdi 1901; Arturo Rossi 1956")
            << QStringList{qui + "Arturo Rossi died in 1956, not more than 70 years before 2026: the work is not free"};
        QTest::newRow("a surname alone") << 50 << riga(passaggio(100), nessuna, "TITOLO 49", "Verdi 1901")
                                         << QStringList{qui + "\"Verdi 1901\" is not an author as \"Nome Cognome yyyy\" "
                                                              "(or write \"tradizionale\" or \"scritta per il gioco\")"};
        QTest::newRow("no year of death") << 50 << riga(passaggio(100), nessuna, "TITOLO 49", "Giuseppe Verdi")
                                          << QStringList{qui + "\"Giuseppe Verdi\" is not an author as \"Nome Cognome yyyy\" "
                                                               "(or write \"tradizionale\" or \"scritta per il gioco\")"};
        QTest::newRow("authors apart by a comma")
            << 50 << riga(passaggio(100), nessuna, "TITOLO 49", "Giuseppe Verdi 1901, Arrigo Boito 1918")
            << QStringList{qui + "\"Giuseppe Verdi 1901, Arrigo Boito 1918\" is not an author as \"Nome Cognome yyyy\" "
                                 "(or write \"tradizionale\" or \"scritta per il gioco\")"};
        QTest::newRow("popular, not traditional") << 50 << riga(passaggio(100), nessuna, "TITOLO 49", "popolare")
                                                  << QStringList{qui + "\"popolare\" is not an author as \"Nome Cognome yyyy\" "
                                                                       "(or write \"tradizionale\" or \"scritta per il gioco\")"};
        QTest::newRow("a row with choices lost")
            << 10 << riga(passaggio(100), nessuna, "TITOLO 9", verdi)
            << QStringList{"motivi.tsv: the table has 80 rows, 34 of them with choices, not 80 and 35"};
        QTest::newRow("a row without choices gained one")
            << 50 << riga(passaggio(100), "TITOLO 49\tALTRO 49\tANCORA 49", "TITOLO 49", verdi)
            << QStringList{"motivi.tsv: the table has 80 rows, 36 of them with choices, not 80 and 35"};
        QTest::newRow("79 rows") << 50 << "-" << QStringList{"motivi.tsv: the table has 79 rows, 35 of them with choices, not 80 and 35"};
    }
    void aBrokenSongRowStopsTheBuild()
    {
        QFETCH(int, linea);
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        QStringList righe = motiviValidi();
        QVERIFY(righe[linea - 1].startsWith(QStringLiteral("Versi %1 ").arg(linea - 1)));
        if (nuova == QLatin1String("-"))
            righe.removeAt(linea - 1);
        else
            righe[linea - 1] = nuova;
        QList<ErroreTabella> trovati;
        const Tabella t = leggiTabella(QStringLiteral("motivi.tsv"), righe.join(u'\n').toUtf8(), trovati);
        controllaMotivi(t, kAnno, trovati);
        QStringList testi;
        for (const ErroreTabella& e : trovati)
            testi << e.testo();
        QCOMPARE(testi, errori);
    }
};

QTEST_GUILESS_MAIN(TestProveMotivi)
#include "tst_prove_motivi.moc"

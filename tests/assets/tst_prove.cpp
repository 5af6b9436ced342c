// The challenges' tables: the game reads them from inside the program, and
// the build stops on each broken rule, naming the table, the line and the rule.
#include "challenges/action/frmProva10.h"
#include "prove.h"
#include "records/tabella.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

// A names' table that keeps every rule: a note, then "Nome c.k" for each
// category c and each k, in category order; line 1 + 30 × (c − 1) + k holds
// name k of category c.
QStringList personaggiValidi()
{
    QStringList righe{QStringLiteral("# nomi di prova")};
    for (int c = 1; c <= 12; ++c)
        for (int k = 1; k <= 30; ++k)
            righe << frmProva10::kCategorie[std::size_t(c - 1)].marcatore + QStringLiteral("\tNome %1.%2").arg(c).arg(k);
    return righe;
}
// A performers' table that keeps every rule: line 1 a note, line 1 + k
// "Cantante k <tab> Canzone k <tab> 1960".
QStringList cantantiValidi()
{
    QStringList righe{QStringLiteral("# cantanti di prova")};
    for (int k = 1; k <= 114; ++k)
        righe << QStringLiteral("Cantante %1\tCanzone %1\t1960").arg(k);
    return righe;
}
QStringList controlla(const QString& file, const QByteArray& dati)
{
    QList<ErroreTabella> errori;
    controllaProve({leggiTabella(file, dati, errori)}, errori);
    QStringList testi;
    for (const ErroreTabella& e : errori)
        testi << e.testo();
    return testi;
}

}  // namespace

class TestProve : public QObject {
    Q_OBJECT
private slots:
    void aBrokenRuleStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 68, name 7 of "Registi", becomes this; "-" removes it
        QTest::addColumn<QString>("errore");
        const QString qui = QStringLiteral("personaggi.tsv:68: ");
        QTest::newRow("unknown category") << "Registe\tNome 3.7" << qui + "no category is called \"Registe\"";
        QTest::newRow("a marker in another case") << "registi\tNome 3.7" << qui + "no category is called \"registi\"";
        QTest::newRow("no name") << "Registi" << qui + "a row must be: category, name";
        QTest::newRow("a third field") << "Registi\tNome 3.7\tnota" << qui + "a row must be: category, name";
        QTest::newRow("an empty name") << "Registi\t" << qui + "the name is empty";
        QTest::newRow("blanks around") << "Registi\tNome 3.7 " << qui + "the name has blanks around it";
        QTest::newRow("not Windows-1252") << QStringLiteral("Registi\tAndrzej Wajda ł") << qui + QStringLiteral("the name has \"ł\", not in Windows-1252");
        QTest::newRow("24 characters") << "Registi\t" + QString(24, u'x') << qui + "the name is longer than 23 characters";
        QTest::newRow("23 characters") << "Registi\t" + QString(23, u'x') << QString();
        QTest::newRow("the same name twice") << "Registi\tNome 1.1" << qui + "\"Nome 1.1\" is already on line 2";
        QTest::newRow("the same name in another case") << "Registi\tNOME 12.30"
                                                   << "personaggi.tsv:361: \"Nome 12.30\" is already on line 68";
        QTest::newRow("29 names") << "-" << "personaggi.tsv: category \"Registi\" has 29 names, not 30";
        QTest::newRow("31 names") << "Sportivi\tNome 2.31" << "personaggi.tsv: category \"Sportivi\" has 31 names, not 30";
    }
    void aBrokenRuleStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QString, errore);
        QStringList righe = personaggiValidi();
        QCOMPARE(righe[68 - 1], QStringLiteral("Registi\tNome 3.7"));
        if (nuova == QLatin1String("-"))
            righe.removeAt(68 - 1);
        else
            righe[68 - 1] = nuova;
        QStringList testi = controlla(QStringLiteral("personaggi.tsv"), righe.join(u'\n').toUtf8());
        if (errore.isEmpty()) {
            QCOMPARE(testi, QStringList());
            return;
        }
        // A changed row also leaves its category one short: that is not the rule looked for.
        testi.removeAll(QStringLiteral("personaggi.tsv: category \"Registi\" has 29 names, not 30"));
        if (nuova == QLatin1String("-"))
            testi << QStringLiteral("personaggi.tsv: category \"Registi\" has 29 names, not 30");
        QCOMPARE(testi, QStringList{errore});
    }

    void aBrokenPerformersRowStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 41, "Cantante 40", becomes this; "-" removes it
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("cantanti.tsv:41: ");
        const QString corta = QStringLiteral("cantanti.tsv: the table has 113 rows, not 114");
        QTest::newRow("no year") << "Cantante 40\tCanzone 40" << QStringList{qui + "a row must be: performer, title, year"};
        QTest::newRow("a fourth field") << "Cantante 40\tCanzone 40\t1960\tnota"
                                        << QStringList{qui + "a row must be: performer, title, year"};
        QTest::newRow("an empty performer") << "\tCanzone 40\t1960" << QStringList{qui + "the performer is empty"};
        QTest::newRow("a title with blanks around") << "Cantante 40\t Canzone 40\t1960"
                                                    << QStringList{qui + "the title has blanks around it"};
        QTest::newRow("not Windows-1252") << QStringLiteral("Cantante 40\tCanzone ł\t1960")
                                          << QStringList{qui + QStringLiteral("the title has \"ł\", not in Windows-1252")};
        QTest::newRow("a performer of 21 characters") << "Cantante " + QString(12, u'x') + "\tCanzone 40\t1960" << QStringList{};
        QTest::newRow("a performer of 22") << "Cantante " + QString(13, u'x') + "\tCanzone 40\t1960"
                                           << QStringList{qui + "the performer is longer than 21 characters"};
        QTest::newRow("a title of 33 characters") << "Cantante 40\tCanzone " + QString(25, u'x') + "\t1960" << QStringList{};
        QTest::newRow("a title of 34") << "Cantante 40\tCanzone " + QString(26, u'x') + "\t1960"
                                       << QStringList{qui + "the title is longer than 33 characters"};
        QTest::newRow("a performer twice") << "Cantante 3\tCanzone 40\t1960"
                                           << QStringList{qui + "\"Cantante 3\" is already on line 4"};
        QTest::newRow("a title twice, in another case") << "Cantante 40\tCANZONE 114\t1960"
                                                        << QStringList{"cantanti.tsv:115: \"Canzone 114\" is already on line 41"};
        QTest::newRow("a year in words") << "Cantante 40\tCanzone 40\tmille" << QStringList{qui + "the year must be four digits from 1900 to 2099"};
        QTest::newRow("a year of two digits") << "Cantante 40\tCanzone 40\t60" << QStringList{qui + "the year must be four digits from 1900 to 2099"};
        QTest::newRow("113 rows") << "-" << QStringList{corta};
    }
    void aBrokenPerformersRowStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        QStringList righe = cantantiValidi();
        QCOMPARE(righe[41 - 1], QStringLiteral("Cantante 40\tCanzone 40\t1960"));
        if (nuova == QLatin1String("-"))
            righe.removeAt(41 - 1);
        else
            righe[41 - 1] = nuova;
        QCOMPARE(controlla(QStringLiteral("cantanti.tsv"), righe.join(u'\n').toUtf8()), errori);
    }

    void keptRulesAndUnknownTables()
    {
        // A table that keeps its rules passes, CRLF and notes and all.
        QCOMPARE(controlla(QStringLiteral("personaggi.tsv"), personaggiValidi().join(QStringLiteral("\r\n")).toUtf8()),
                 QStringList());
        // A table with no rules of its own is refused, so none ships unchecked.
        QCOMPARE(controlla(QStringLiteral("indovinelli.tsv"), "Facile\tChi sono?\n"),
                 QStringList{"indovinelli.tsv: no rules are set for this table (tools/contenuti/prove.cpp)"});
        // And so is the names' table when it is not there at all.
        QVERIFY(!controlla(QStringLiteral("personaggi.tsv"), {}).filter(QStringLiteral("has 0 names, not 30")).isEmpty());
    }

    // Every table under content/prove keeps its rules, and the program
    // carries each one as it is.
    void theShippedTablesKeepTheirRules()
    {
        const QDir cartella(QStringLiteral(ZOLMERA_SOURCE_DIR "/content/prove"));
        const QStringList nomi = cartella.entryList({QStringLiteral("*.tsv")}, QDir::Files);
        QVERIFY(nomi.contains(QStringLiteral("personaggi.tsv")));
        QVERIFY(nomi.contains(QStringLiteral("cantanti.tsv")));
        QList<ErroreTabella> errori;
        for (const QString& nome : nomi) {
            const Tabella t = leggiTabella(cartella.filePath(nome), errori);
            controllaProve({t}, errori);
            QList<QStringList> attese;
            for (const RigaTabella& r : t.righe)
                attese << r.campi;
            QCOMPARE(tabellaProva(QFileInfo(nome).completeBaseName()), attese);
        }
        QVERIFY2(errori.isEmpty(), qPrintable(errori.value(0).testo()));
    }

    void aMissingTableReadsAsEmpty()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("nessuna\\.tsv: cannot be read")));
        QVERIFY(tabellaProva(QStringLiteral("nessuna")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProve)
#include "tst_prove.moc"

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
// A products' table that keeps every rule: a note, then "Prodotto k" on line
// k + 1, from 1.00 to 2.00 euro a kilogram.
QStringList spesaValida()
{
    QStringList righe{QStringLiteral("# prodotti di prova")};
    for (int k = 1; k <= 12; ++k)
        righe << QStringLiteral("Prodotto %1\t1.00\t2.00").arg(k);
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

    void aBrokenProductIsCaught_data()
    {
        QTest::addColumn<QString>("nuova");   // line 5, "Prodotto 4", becomes this; "-" removes it
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("spesa.tsv:5: ");
        QTest::newRow("kept") << "Caffè\t6.00\t8.50" << QStringList();
        QTest::newRow("equal prices") << "Sale\t0.40\t0.40" << QStringList();
        QTest::newRow("the highest allowed") << "Prosciutto\t10.00\t14.00" << QStringList();
        QTest::newRow("a missing price") << "Riso\t1.50" << QStringList{qui + "a row must be: name, lowest price, highest price"};
        QTest::newRow("a fourth field") << "Riso\t1.50\t2.50\tnota"
                                        << QStringList{qui + "a row must be: name, lowest price, highest price"};
        QTest::newRow("an empty name") << "\t1.50\t2.50" << QStringList{qui + "the name is empty"};
        QTest::newRow("not Windows-1252") << QStringLiteral("Pierogi ł\t1.50\t2.50")
                                          << QStringList{qui + QStringLiteral("the name has \"ł\", not in Windows-1252")};
        QTest::newRow("25 characters") << QString(25, u'x') + "\t1.50\t2.50"
                                       << QStringList{qui + "the name is longer than 24 characters"};
        QTest::newRow("24 characters") << QString(24, u'x') + "\t1.50\t2.50" << QStringList();
        QTest::newRow("the same name in another case") << "PRODOTTO 1\t1.50\t2.50"
                                                   << QStringList{qui + "\"PRODOTTO 1\" is already on line 2"};
        QTest::newRow("a decimal comma") << "Riso\t1,50\t2.50" << QStringList{qui + "\"1,50\" is not a price like 2.50"};
        QTest::newRow("one decimal") << "Riso\t1.50\t2.5" << QStringList{qui + "\"2.5\" is not a price like 2.50"};
        QTest::newRow("free") << "Riso\t0.00\t2.50" << QStringList{qui + "the lowest price must be above 0"};
        QTest::newRow("lowest above highest") << "Riso\t2.60\t2.50" << QStringList{qui + "the lowest price is above the highest"};
        QTest::newRow("above 14.00") << "Riso\t2.50\t14.01" << QStringList{qui + "the highest price is above 14.00"};
        QTest::newRow("too few for two lists") << "-" << QStringList();
    }
    void aBrokenProductIsCaught()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        QStringList righe = spesaValida();
        QCOMPARE(righe[5 - 1], QStringLiteral("Prodotto 4\t1.00\t2.00"));
        if (nuova == QLatin1String("-")) {
            // Nine products cannot fill two lists of five.
            righe = righe.mid(0, 10);
            errori << QStringLiteral("spesa.tsv: 9 products, fewer than the 10 of two shopping lists");
        } else {
            righe[5 - 1] = nuova;
        }
        QCOMPARE(controlla(QStringLiteral("spesa.tsv"), righe.join(u'\n').toUtf8()), errori);
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

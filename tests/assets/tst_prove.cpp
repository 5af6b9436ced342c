// The challenges' tables: the game reads them from inside the program, and
// the build stops on each broken rule, naming the table, the line and the rule.
#include "challenges/action/frmProva10.h"
#include "challenges/short/storia.h"
#include "prove.h"
#include "scelte.h"
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
// A phrases' table that keeps every rule: a note, then phrase k (0 to 99)
// on line k + 2, "PROVA" and two letters that have drawings.
QStringList rebusValidi()
{
    const QString lettere = QStringLiteral("ABCDEFGILMNOPRSTUVZ");
    QStringList righe{QStringLiteral("# frasi di prova")};
    for (int k = 0; k < 100; ++k)
        righe << QStringLiteral("PROVA %1%2\tproverbio").arg(lettere.at(k / 19)).arg(lettere.at(k % 19));
    return righe;
}
// An events' table that keeps every rule: a note, then on line r + 1 the
// reference event "EVENTO r" of 15 June 2000 with an event of 1999, one of
// July 2000 and one of the day before.
QStringList eventiValidi()
{
    QStringList righe{QStringLiteral("# eventi di prova")};
    for (int r = 1; r <= 50; ++r)
        righe << QStringLiteral("EVENTO %1\t2000-06-15\tFatto %1.1\t1999\tPRIMA\tFatto %1.2\t2000-07\tDOPO\t"
                                "Fatto %1.3\t2000-06-14\tPRIMA")
                     .arg(r);
    return righe;
}
// A place names' table that keeps every rule: a note, then 115 names
// "LOCxyz", xyz the entry's number in letters; line 1 + k holds entry k.
QStringList localitaValide()
{
    QStringList righe{QStringLiteral("# nomi di prova")};
    for (int k = 1; k <= 115; ++k)
        righe << QStringLiteral("LOC") + QChar(u'A' + k / 26 / 26) + QChar(u'A' + k / 26 % 26) + QChar(u'A' + k % 26);
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
// A products' table that keeps every rule: a note, then "Prodotto k" on line
// k + 1, from 1.00 to 2.00 euro a kilogram.
QStringList spesaValida()
{
    QStringList righe{QStringLiteral("# prodotti di prova")};
    for (int k = 1; k <= 12; ++k)
        righe << QStringLiteral("Prodotto %1\t1.00\t2.00").arg(k);
    return righe;
}
// The story's lists keeping every rule: a note, then the groups in order,
// line 1 + k holding entry k of them all; the names "Nome" and two letters
// (name 1 "Nomeab" on line 14, name 6 "Nomeag" on line 19, name 11
// "Nomeal" on line 24), the other entries three characters.
QStringList storiaValida()
{
    QStringList righe{QStringLiteral("# liste di prova")};
    int nome = 0;
    for (const storia::Gruppo& g : storia::kGruppi)
        for (int k = 1; k <= g.voci; ++k) {
            QString voce = QStringLiteral("%1%2").arg(g.nome.at(0)).arg(k, 2, 10, QLatin1Char('0'));
            if (g.elenco == storia::Nomi) {
                ++nome;
                voce = QStringLiteral("Nome") + QChar(u'a' + nome / 26) + QChar(u'a' + nome % 26);
            }
            righe << g.nome + u'\t' + voce;
        }
    return righe;
}
// A song titles' table that keeps every rule: a note, then "Canzone k" on
// line k + 1.
QStringList canzoniValide()
{
    QStringList righe{QStringLiteral("# titoli di prova")};
    for (int k = 1; k <= 50; ++k)
        righe << QStringLiteral("Canzone %1").arg(k);
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

    void aPhraseThatBreaksARuleStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 7, "PROVA AF", becomes this; "-" removes it
        QTest::addColumn<QString>("errore");
        const QString qui = QStringLiteral("rebus.tsv:7: ");
        QTest::newRow("elision and accent") << "L'ORA E' GIUNTA\tscritta per il gioco" << QString();
        QTest::newRow("three full lines") << "PRENDERE DUE PICCIONI CON UNA FAVA\tmodo di dire" << QString();
        QTest::newRow("a letter with no drawing") << "LA CHIAVE\tproverbio"
                                                << qui + "\"H\" has no drawing (only ABCDEFGILMNOPRSTUVZ, the blank and the apostrophe)";
        QTest::newRow("lower case") << "La volpe\tproverbio"
                                    << qui + "\"a\" has no drawing (only ABCDEFGILMNOPRSTUVZ, the blank and the apostrophe)";
        QTest::newRow("an accented letter") << QStringLiteral("CAFFÈ\tproverbio")
                                            << qui + QStringLiteral("\"È\" has no drawing (only ABCDEFGILMNOPRSTUVZ, the blank and the apostrophe)");
        QTest::newRow("two blanks") << "LA  VOLPE\tproverbio" << qui + "the phrase has two blanks in a row";
        QTest::newRow("blanks around") << "LA VOLPE \tproverbio" << qui + "the phrase has blanks around it";
        QTest::newRow("an apostrophe after nothing") << "'A VOLPE\tproverbio" << qui + "an apostrophe does not follow a letter";
        QTest::newRow("an apostrophe after a blank") << "LA ' VOLPE\tproverbio" << qui + "an apostrophe does not follow a letter";
        QTest::newRow("a word longer than a line") << "PRECIPITEVOLISSIMEVOLMENTE\tproverbio"
                                                   << qui + "\"PRECIPITEVOLISSIMEVOLMENTE\" is longer than a line of 12 cells";
        QTest::newRow("four lines") << "TUTTE LE STRADE PORTANO A ROMA\tproverbio"
                                    << qui + "the phrase needs 4 lines of 12 cells, not 3";
        QTest::newRow("not Windows-1252") << QStringLiteral("LA VOLPE ł\tproverbio")
                                          << qui + QStringLiteral("the phrase has \"ł\", not in Windows-1252");
        QTest::newRow("no source") << "LA VOLPE" << qui + "a row must be: phrase, source";
        QTest::newRow("an unknown source") << "LA VOLPE\tcanzone"
                                           << qui + "the source must be one of: proverbio, modo di dire, scioglilingua, favola di Esopo, scritta per il gioco";
        QTest::newRow("the same phrase twice") << "PROVA AA\tmodo di dire" << qui + "\"PROVA AA\" is already on line 2";
        QTest::newRow("99 phrases") << "-" << "rebus.tsv: the table has 99 phrases, not 100";
    }
    void aPhraseThatBreaksARuleStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QString, errore);
        QStringList righe = rebusValidi();
        QCOMPARE(righe[7 - 1], QStringLiteral("PROVA AF\tproverbio"));
        if (nuova == QLatin1String("-"))
            righe.removeAt(7 - 1);
        else
            righe[7 - 1] = nuova;
        QCOMPARE(controlla(QStringLiteral("rebus.tsv"), righe.join(u'\n').toUtf8()),
                 errore.isEmpty() ? QStringList() : QStringList{errore});
    }

    void anEventsRowBreakingARuleStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 8, row 7, becomes this; "-" removes it
        QTest::addColumn<QString>("errore");
        const QString qui = QStringLiteral("primadopo.tsv:8: ");
        const QString fatti = QStringLiteral("\tFatto 7.2\t2000-07\tDOPO\tFatto 7.3\t2000-06-14\tPRIMA");
        QTest::newRow("before Christ") << "ASSASSINIO DI CESARE\t-44-03-15\tDistruzione di Cartagine\t-146\tPRIMA\t"
                                          "Battaglia di Azio\t-31-09-02\tDOPO\tEruzione del Vesuvio\t79\tDOPO"
                                       << QString();
        QTest::newRow("a field short") << "EVENTO 7\t2000-06-15\tFatto 7.1\t1999\tPRIMA" + fatti.section(u'\t', 0, 5)
                                       << qui + "a row must be: reference event, date, then event, date, answer three times";
        QTest::newRow("an empty field") << "EVENTO 7\t2000-06-15\tFatto 7.1\t\tPRIMA" + fatti << qui + "field 4 is empty";
        QTest::newRow("not Windows-1252") << QStringLiteral("EVENTO 7\t2000-06-15\tFatto ł\t1999\tPRIMA") + fatti
                                          << qui + QStringLiteral("field 3 has \"ł\", not in Windows-1252");
        QTest::newRow("a reference not in capitals") << "Evento 7\t2000-06-15\tFatto 7.1\t1999\tPRIMA" + fatti
                                                     << qui + "the reference event is not in capitals";
        QTest::newRow("a reference of 68 characters") << QString(68, u'E') + "\t2000-06-15\tFatto 7.1\t1999\tPRIMA" + fatti
                                                      << QString();
        QTest::newRow("a reference of 69 characters")
            << QString(69, u'E') + "\t2000-06-15\tFatto 7.1\t1999\tPRIMA" + fatti
            << qui + "the reference event is longer than 68 characters";
        QTest::newRow("an event of 73 characters")
            << "EVENTO 7\t2000-06-15\tFatto 7.1\t1999\tPRIMA\t" + QString(73, u'f') + "\t2000-07\tDOPO\tFatto 7.3\t2001\tDOPO"
            << qui + "event 2 is longer than 72 characters";
        QTest::newRow("an event that is the reference")
            << "EVENTO 7\t2000-06-15\tFatto 7.1\t1999\tPRIMA\tFatto 7.2\t2000-07\tDOPO\tevento 7\t2001\tDOPO"
            << qui + "event 3 is the reference event";
        QTest::newRow("an answer the dates deny") << "EVENTO 7\t2000-06-15\tFatto 7.1\t1999\tDOPO" + fatti
                                                  << qui + "by the dates, the answer to event 1 is PRIMA, not DOPO";
        QTest::newRow("an answer in lower case") << "EVENTO 7\t2000-06-15\tFatto 7.1\t1999\tprima" + fatti
                                                 << qui + "the answer to event 1 is neither PRIMA nor DOPO";
        QTest::newRow("the same year, no month") << "EVENTO 7\t2000-06-15\tFatto 7.1\t2000\tPRIMA" + fatti
                                                 << qui + "the dates cannot tell whether event 1 came before or after";
        QTest::newRow("the same day") << "EVENTO 7\t2000-06-15\tFatto 7.1\t2000-06-15\tPRIMA" + fatti
                                      << qui + "the dates cannot tell whether event 1 came before or after";
        QTest::newRow("month 13") << "EVENTO 7\t2000-06-15\tFatto 7.1\t2000-13\tPRIMA" + fatti
                                  << qui + "the date of event 1, \"2000-13\", is not a year, year-month or year-month-day";
        QTest::newRow("30 February") << "EVENTO 7\t2000-06-15\tFatto 7.1\t1999-02-30\tPRIMA" + fatti
                                     << qui + "the date of event 1, \"1999-02-30\", is not a year, year-month or year-month-day";
        QTest::newRow("a reference date in words") << "EVENTO 7\tgiugno 2000\tFatto 7.1\t1999\tPRIMA" + fatti
                                                   << qui + "the reference date \"giugno 2000\" is not a year, year-month or year-month-day";
        QTest::newRow("49 rows") << "-" << "primadopo.tsv: the table has 49 rows, not 50";
    }
    void anEventsRowBreakingARuleStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QString, errore);
        QStringList righe = eventiValidi();
        QVERIFY(righe[8 - 1].startsWith(QStringLiteral("EVENTO 7\t")));
        if (nuova == QLatin1String("-"))
            righe.removeAt(8 - 1);
        else
            righe[8 - 1] = nuova;
        QCOMPARE(controlla(QStringLiteral("primadopo.tsv"), righe.join(u'\n').toUtf8()),
                 errore.isEmpty() ? QStringList() : QStringList{errore});
    }

    void aBrokenPlaceNameStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 60, entry 59, becomes this; "-" removes it, "+" adds a row
        QTest::addColumn<QString>("errore");
        const QString qui = QStringLiteral("localita.tsv:60: ");
        QTest::newRow("kept") << "MILANO" << QString();
        QTest::newRow("lower case") << "Milano" << qui + "\"Milano\" is not six letters A to Z";
        QTest::newRow("five letters") << "MILAN" << qui + "\"MILAN\" is not six letters A to Z";
        QTest::newRow("seven letters") << "MILANOO" << qui + "\"MILANOO\" is not six letters A to Z";
        QTest::newRow("an accent") << QStringLiteral("CEFALÙ") << qui + QStringLiteral("\"CEFALÙ\" is not six letters A to Z");
        QTest::newRow("a blank") << "MILAN " << qui + "\"MILAN \" is not six letters A to Z";
        QTest::newRow("a second field") << "MILANO\tLombardia" << qui + "a row must be one place name alone";
        QTest::newRow("the same name twice") << "LOCAAB" << qui + "\"LOCAAB\" is already on line 2";
        QTest::newRow("114 names") << "-" << "localita.tsv: the table has 114 names, not 115";
        QTest::newRow("116 names") << "+" << "localita.tsv: the table has 116 names, not 115";
    }
    void aBrokenPlaceNameStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QString, errore);
        QStringList righe = localitaValide();
        if (nuova == QLatin1String("-"))
            righe.removeAt(60 - 1);
        else if (nuova == QLatin1String("+"))
            righe << QStringLiteral("MILANO");
        else
            righe[60 - 1] = nuova;
        const QStringList testi = controlla(QStringLiteral("localita.tsv"), righe.join(u'\n').toUtf8());
        QCOMPARE(testi, errore.isEmpty() ? QStringList() : QStringList{errore});
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

    void aBrokenStoryListStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 19, name 6 "Nomeag", becomes this; "-" removes it
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("storia.tsv:19: ");
        QTest::newRow("kept, with an accent") << QStringLiteral("uomo\tNicolò") << QStringList();
        QTest::newRow("the longest statement at 50") << "uomo\tNome" + QString(15, u'x') << QStringList();
        QTest::newRow("the longest statement at 51")
            << "uomo\tNome" + QString(16, u'x')
            << QStringList{qui + "statement 1 can be 51 characters long, over 50: \"Fra i ragazzi ci sono Nomeal e Nome"
                           + QString(16, u'x') + "\""};
        QTest::newRow("a name twice, in another case") << "uomo\tNOMEAB" << QStringList{qui + "\"NOMEAB\" is already on line 14"};
        QTest::newRow("a name of two words") << "uomo\tGian Luca"
                                             << QStringList{qui + "the name \"Gian Luca\" is not one word of letters"};
        QTest::newRow("a name with an apostrophe") << "uomo\tD'Arco"
                                                   << QStringList{qui + "the name \"D'Arco\" is not one word of letters"};
        QTest::newRow("not Windows-1252") << QStringLiteral("uomo\tWładek")
                                          << QStringList{qui + QStringLiteral("the entry has \"ł\", not in Windows-1252")};
        QTest::newRow("an empty entry") << "uomo\t" << QStringList{qui + "the entry is empty"};
        QTest::newRow("no entry") << "uomo" << QStringList{qui + "a row must be: group, entry",
                                                       "storia.tsv: group \"uomo\" has 9 entries, not 10"};
        QTest::newRow("an unknown group") << "uomini\tNomeag" << QStringList{qui + "no group is called \"uomini\"",
                                                                          "storia.tsv: group \"uomo\" has 9 entries, not 10"};
        QTest::newRow("a name short") << "-" << QStringList{"storia.tsv: group \"uomo\" has 9 entries, not 10"};
    }
    void aBrokenStoryListStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        QStringList righe = storiaValida();
        QCOMPARE(righe[19 - 1], QStringLiteral("uomo\tNomeag"));
        if (nuova == QLatin1String("-"))
            righe.removeAt(19 - 1);
        else
            righe[19 - 1] = nuova;
        QCOMPARE(controlla(QStringLiteral("storia.tsv"), righe.join(u'\n').toUtf8()), errori);
    }

    void aBrokenSongTitleStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 9, "Canzone 8", becomes this; "-" removes it, "+" adds a row
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("canzoni.tsv:9: ");
        QTest::newRow("a digit, an apostrophe") << "Le 5 anatre" << QStringList();
        QTest::newRow("an accent") << QStringLiteral("Su e giù") << QStringList();
        QTest::newRow("50 characters") << QString(50, u'x') << QStringList();
        QTest::newRow("51 characters") << QString(51, u'x') << QStringList{qui + "the title is longer than 50 characters"};
        QTest::newRow("a second field") << "Piano bar\tnota" << QStringList{qui + "a row must be one title alone"};
        QTest::newRow("blanks around") << "Piano bar " << QStringList{qui + "the title has blanks around it"};
        QTest::newRow("not Windows-1252") << QStringLiteral("Piano ł") << QStringList{qui + QStringLiteral("the title has \"ł\", not in Windows-1252")};
        QTest::newRow("the same title in another case") << "CANZONE 3" << QStringList{qui + "\"CANZONE 3\" is already on line 4"};
        QTest::newRow("49 titles") << "-" << QStringList{"canzoni.tsv: the table has 49 titles, not 50"};
        QTest::newRow("51 titles") << "+" << QStringList{"canzoni.tsv: the table has 51 titles, not 50"};
    }
    void aBrokenSongTitleStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        QStringList righe = canzoniValide();
        QCOMPARE(righe[9 - 1], QStringLiteral("Canzone 8"));
        if (nuova == QLatin1String("-"))
            righe.removeAt(9 - 1);
        else if (nuova == QLatin1String("+"))
            righe << QStringLiteral("Canzone 51");
        else
            righe[9 - 1] = nuova;
        QCOMPARE(controlla(QStringLiteral("canzoni.tsv"), righe.join(u'\n').toUtf8()), errori);
    }

    void keptRulesAndUnknownTables()
    {
        // A table that keeps its rules passes, CRLF and notes and all.
        QCOMPARE(controlla(QStringLiteral("personaggi.tsv"), personaggiValidi().join(QStringLiteral("\r\n")).toUtf8()),
                 QStringList());
        QCOMPARE(controlla(QStringLiteral("primadopo.tsv"), eventiValidi().join(QStringLiteral("\r\n")).toUtf8()),
                 QStringList());
        // A table with no rules of its own is refused, so none ships unchecked.
        QCOMPARE(controlla(QStringLiteral("barzellette.tsv"), "Facile\tChi sono?\n"),
                 QStringList{"barzellette.tsv: no rules are set for this table (tools/contenuti/prove.cpp)"});
        // And so is the names' table when it is not there at all.
        QVERIFY(!controlla(QStringLiteral("personaggi.tsv"), {}).filter(QStringLiteral("has 0 names, not 30")).isEmpty());
    }

    void anAnswerAndItsChoicesKeepTheBoardsRules_data()
    {
        QTest::addColumn<QStringList>("campi");   // a row on line 3: text, three choices, answer
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("x.tsv:3: ");
        const QString cinquanta(50, u'A');
        QTest::newRow("kept") << QStringList{"t", "ANNA", "BEA", "CARLA", "BEA"} << QStringList();
        QTest::newRow("an apostrophe and 50 characters")
            << QStringList{"t", "L'ARCA", cinquanta, "CARLA", cinquanta} << QStringList();
        QTest::newRow("no choices, typed") << QStringList{"t", "", "", "", "L'ARCA"} << QStringList();
        QTest::newRow("an answer of 51") << QStringList{"t", "", "", "", cinquanta + "A"}
                                         << QStringList{qui + "the answer is longer than 50 characters"};
        QTest::newRow("a blank at an end") << QStringList{"t", "ANNA", "BEA ", "CARLA", "BEA "}
                                           << QStringList{qui + "the answer has blanks around it"};
        QTest::newRow("two blanks") << QStringList{"t", "", "", "", "SAN  REMO"}
                                    << QStringList{qui + "the answer has two blanks in a row"};
        QTest::newRow("a typographic apostrophe") << QStringList{"t", "", "", "", QStringLiteral("L\u2019ARCA")}
                                                  << QStringList{qui + QStringLiteral("the answer has \"\u2019\", not the plain apostrophe \"'\"")};
        QTest::newRow("a choice too long") << QStringList{"t", "ANNA", cinquanta + "A", "CARLA", "ANNA"}
                                           << QStringList{qui + "choice 2 is longer than 50 characters"};
        QTest::newRow("two choices empty") << QStringList{"t", "ANNA", "", "", "ANNA"}
                                           << QStringList{qui + "choice 2 is empty", qui + "choice 3 is empty"};
        QTest::newRow("the same choice in another case") << QStringList{"t", "ANNA", "Anna", "CARLA", "CARLA"}
                                                         << QStringList{qui + "choices 1 and 2 are the same answer"};
        QTest::newRow("the answer but for case") << QStringList{"t", "Anna", "BEA", "CARLA", "ANNA"}
                                                 << QStringList{qui + "choice 1 is the answer but for case",
                                                                qui + "the answer is none of the three choices"};
        QTest::newRow("an answer among none") << QStringList{"t", "ANNA", "BEA", "CARLA", "DORA"}
                                              << QStringList{qui + "the answer is none of the three choices"};
    }
    void anAnswerAndItsChoicesKeepTheBoardsRules()
    {
        QFETCH(QStringList, campi);
        QFETCH(QStringList, errori);
        const Tabella t{QStringLiteral("x.tsv"), {RigaTabella{3, campi}}};
        QList<ErroreTabella> trovati;
        controllaScelte(t, t.righe[0], 2, 5, true, trovati);
        QStringList testi;
        for (const ErroreTabella& e : trovati)
            testi << e.testo();
        QCOMPARE(testi, errori);
    }

    // Every table under content/prove keeps its rules, and the program
    // carries each one.
    void theShippedTablesKeepTheirRules()
    {
        const QDir cartella(QStringLiteral(ZOLMERA_SOURCE_DIR "/content/prove"));
        const QStringList nomi = cartella.entryList({QStringLiteral("*.tsv")}, QDir::Files);
        // Every table has its rules, and every table with rules is shipped.
        for (const RegoleProva& r : regoleProve())
            QVERIFY2(nomi.contains(r.file), qPrintable(r.file));
        QList<ErroreTabella> errori;
        for (const QString& nome : nomi) {
            const Tabella t = leggiTabella(cartella.filePath(nome), errori);
            controllaProve({t}, errori);
            // The game gets the rows without notes or check-only fields.
            const RegoleProva* regole = regoleDi(nome);
            QVERIFY2(regole, qPrintable(nome));
            QList<QStringList> attese;
            for (const RigaTabella& r : t.righe)
                attese << (regole->campiGioco > 0 ? r.campi.mid(0, regole->campiGioco) : r.campi);
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

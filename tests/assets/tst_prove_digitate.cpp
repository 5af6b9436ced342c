// The tables of the short challenges answered by typing: masked names,
// proverbs with a gap, cities in farfallino. What is shown is the answer's
// own disguise, so the build remakes each disguise and refuses a row whose
// stored one differs, naming its line.
#include "prove.h"
#include "prove_farfallino.h"
#include "prove_mascherati.h"
#include "records/tabella.h"

#include "challenges/short/frmProvina11.h"
#include "challenges/short/frmProvina15.h"
#include "challenges/short/frmProvina9.h"

#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

// Two letters for k, none of them an X: "AA", "AB", ...
QString lettere(int k)
{
    const QString alfabeto = QStringLiteral("ABCDEFGHILMNOPRSTUVZ");
    return QString(alfabeto.at(k / 20 % 20)) + alfabeto.at(k % 20);
}

// A names' table that keeps every rule: a note, then on line k + 1 the
// masked "NOME<two letters> COGNOME" of person k, but for line 3, which
// names the person of line 2 again.
QStringList nomiValidi()
{
    QStringList righe{QStringLiteral("# nomi di prova")};
    for (int k = 1; k <= frmProvina9::kNomi; ++k) {
        const QString nome = QStringLiteral("NOME%1 COGNOME").arg(lettere(k == 2 ? 1 : k));
        righe << maschera(nome) + u'\t' + nome;
    }
    return righe;
}
// A proverbs' table that keeps every rule: a note, then on line k + 1
// "Proverbio <two letters> …" with the answer "PAROLA".
QStringList proverbiValidi()
{
    QStringList righe{QStringLiteral("# proverbi di prova")};
    for (int k = 1; k <= frmProvina11::kProverbi; ++k)
        righe << QStringLiteral("Proverbio %1 \u2026\tPAROLA").arg(lettere(k));
    return righe;
}
// A cities' table that keeps every rule: a note, then on line k + 1 the
// city "Città <two letters>" in farfallino.
QStringList cittaValide()
{
    QStringList righe{QStringLiteral("# città di prova")};
    for (int k = 1; k <= frmProvina15::kCitta; ++k) {
        const QString citta = QStringLiteral("Città %1").arg(lettere(k));
        righe << farfallino(citta) + u'\t' + citta;
    }
    return righe;
}

// The errors found in `righe` once line `linea` became `nuova` ("-" removes
// it, "+" adds a copy of it after it).
QStringList controlla(const QString& file, QStringList righe, int linea, const QString& nuova)
{
    if (nuova == QLatin1String("-"))
        righe.removeAt(linea - 1);
    else if (nuova == QLatin1String("+"))
        righe.insert(linea, righe[linea - 1]);
    else
        righe[linea - 1] = nuova;
    QList<ErroreTabella> errori;
    controllaProve({leggiTabella(file, righe.join(u'\n').toUtf8(), errori)}, errori);
    QStringList testi;
    for (const ErroreTabella& e : errori)
        testi << e.testo();
    return testi;
}

}  // namespace

class TestProveDigitate : public QObject {
    Q_OBJECT
private slots:
    // Word by word: the first letter kept, then one hidden and one kept;
    // an apostrophe neither, and the count runs on across it.
    void theMaskHidesEveryOtherLetter_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("mascherato");
        QTest::newRow("two words") << "MARIO ROSSI" << "MXRXO RXSXI";
        QTest::newRow("three words, each starting again") << "PIER PAOLO PASOLINI" << "PXEX PXOXO PXSXLXNX";
        QTest::newRow("words of one and two letters") << "A AL ALI" << "A AX AXI";
        QTest::newRow("an apostrophe after the first letter") << "D'ANGELO" << "D'XNXEXO";
        QTest::newRow("an apostrophe for the accent") << "NICOLO'" << "NXCXLX'";
        QTest::newRow("both in one name") << "NICCOLO' D'ANNUNZIO" << "NXCXOXO' D'XNXUXZXO";
    }
    void theMaskHidesEveryOtherLetter()
    {
        QFETCH(QString, nome);
        QFETCH(QString, mascherato);
        QCOMPARE(maschera(nome), mascherato);
    }

    // Each vowel echoed after an "f" in small letters; "à" as a, J as i;
    // every other character alone.
    void theDisguiseEchoesEveryVowel_data()
    {
        QTest::addColumn<QString>("citta");
        QTest::addColumn<QString>("camuffata");
        QTest::newRow("a capital vowel") << "Alessandria" << "Afalefessafandrifiafa";
        QTest::newRow("two vowels side by side") << "Reggio Emilia" << "Refeggifiofo Efemifilifiafa";
        QTest::newRow("an accented a") << QStringLiteral("Città del Capo") << QStringLiteral("Cifittàfa defel Cafapofo");
        QTest::newRow("a J") << "Johannesburg" << "Jfiofohafannefesbufurg";
        QTest::newRow("a J inside") << "Rio De Janeiro" << "Rifiofo Defe Jfiafanefeifirofo";
    }
    void theDisguiseEchoesEveryVowel()
    {
        QFETCH(QString, citta);
        QFETCH(QString, camuffata);
        QCOMPARE(farfallino(citta), camuffata);
    }

    void aBrokenNameStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 6, "NOMEAF COGNOME", becomes this
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("mascherati.tsv:6: ");
        const QString parola = QStringLiteral("must be capital letters without accents, with an apostrophe only after "
                                              "its first letter or at its end");
        QTest::newRow("apostrophes and three words") << "GXBXIXLX D'XNXUXZXO DXI\tGABRIELE D'ANNUNZIO DEI"
                                                     << QStringList();
        QTest::newRow("a person in a second row") << "NXMXAX CXGXOXE\tNOMEAD COGNOME" << QStringList();
        QTest::newRow("a person in a third row") << "NXMXAX CXGXOXE\tNOMEAB COGNOME"
                                                 << QStringList{qui + "\"NOMEAB COGNOME\" is already on lines 2 and 3"};
        QTest::newRow("a wrong mask") << "NXMXAF CXGXOXE\tNOMEAF COGNOME"
                                      << QStringList{qui + "the masked name must be \"NXMXAX CXGXOXE\""};
        QTest::newRow("the name shown bare") << "NOMEAF COGNOME\tNOMEAF COGNOME"
                                             << QStringList{qui + "the masked name must be \"NXMXAX CXGXOXE\""};
        QTest::newRow("a third field") << "NXMXAX CXGXOXE\tNOMEAF COGNOME\tnota"
                                       << QStringList{qui + "a row must be: masked name, name"};
        QTest::newRow("no mask") << "\tNOMEAF COGNOME" << QStringList{qui + "the masked name is empty"};
        QTest::newRow("a blank after the name") << "NXMXAX CXGXOXE\tNOMEAF COGNOME "
                                                << QStringList{qui + "the answer has blanks around it"};
        QTest::newRow("an X in the name") << "MXX RXSXI\tMAX ROSSI"
                                          << QStringList{qui + "the name has an X, which would read as a hidden letter"};
        QTest::newRow("one word") << "NXMXAX\tNOMEAF" << QStringList{qui + "the name must be a first name and a surname"};
        QTest::newRow("an accent") << QStringLiteral("NXCXLÒ RXSXI\tNICOLÒ ROSSI")
                                   << QStringList{qui + QStringLiteral("\"NICOLÒ\" ") + parola};
        QTest::newRow("small letters") << "NXmXAX CXGXOXE\tNOmEAF COGNOME" << QStringList{qui + "\"NOmEAF\" " + parola};
        QTest::newRow("an apostrophe inside") << "NXMXAX CX'GXOXE\tNOMEAF CO'GNOME"
                                              << QStringList{qui + "\"CO'GNOME\" " + parola};
        QTest::newRow("a name short") << "-" << QStringList{"mascherati.tsv: the table has 214 names, not 215"};
        QTest::newRow("a name more") << "+" << QStringList{"mascherati.tsv: the table has 216 names, not 215"};
    }
    void aBrokenNameStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        const QStringList righe = nomiValidi();
        QCOMPARE(righe[6 - 1], QStringLiteral("NXMXAX CXGXOXE\tNOMEAF COGNOME"));
        QCOMPARE(controlla(QStringLiteral("mascherati.tsv"), righe, 6, nuova), errori);
    }

    void aBrokenProverbStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 4, "Proverbio AD …", becomes this
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("proverbi.tsv:4: ");
        QTest::newRow("the gap first, an apostrophe") << QStringLiteral("\u2026 l'aspetti\tCHI LA FA") << QStringList();
        QTest::newRow("two gaps") << QStringLiteral("Proverbio \u2026 e \u2026\tPAROLA")
                                  << QStringList{qui + QStringLiteral("the proverb must show exactly one \"\u2026\"")};
        QTest::newRow("three dots for the gap") << "Proverbio AD ...\tPAROLA"
                                                << QStringList{qui + QStringLiteral("the proverb must show exactly one \"\u2026\"")};
        QTest::newRow("the answer in small letters") << QStringLiteral("Chi vivrà \u2026\tvedra'")
                                                     << QStringList{qui + "the answer is not in upper case"};
        QTest::newRow("no answer") << QStringLiteral("Proverbio AD \u2026")
                                   << QStringList{qui + "a row must be: proverb, missing words"};
        QTest::newRow("a proverb twice") << QStringLiteral("Proverbio AB \u2026\tALTRA")
                                         << QStringList{qui + QStringLiteral("\"Proverbio AB \u2026\" is already on line 2")};
        QTest::newRow("a proverb short") << "-" << QStringList{"proverbi.tsv: the table has 79 proverbs, not 80"};
    }
    void aBrokenProverbStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        const QStringList righe = proverbiValidi();
        QCOMPARE(righe[4 - 1], QStringLiteral("Proverbio AD \u2026\tPAROLA"));
        QCOMPARE(controlla(QStringLiteral("proverbi.tsv"), righe, 4, nuova), errori);
    }

    void aBrokenCityStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 3, "Città AC", becomes this
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("farfallino.tsv:3: ");
        QTest::newRow("a small word inside") << "Safan Befenefedefettofo defel Trofontofo\tSan Benedetto del Tronto"
                                             << QStringList();
        QTest::newRow("a consonant echoed") << QStringLiteral("Cifittàfa AfaCfa\tCittà AC")
                                            << QStringList{qui + QStringLiteral("the disguised name must be \"Cifittàfa AfaC\"")};
        QTest::newRow("an echo in capitals") << QStringLiteral("CifittàFA AfaC\tCittà AC")
                                             << QStringList{qui + QStringLiteral("the disguised name must be \"Cifittàfa AfaC\"")};
        QTest::newRow("the accent not echoed") << QStringLiteral("Cifittà AfaC\tCittà AC")
                                               << QStringList{qui + QStringLiteral("the disguised name must be \"Cifittàfa AfaC\"")};
        QTest::newRow("a small first letter") << QStringLiteral("cifittàfa AfaC\tcittà AC")
                                              << QStringList{qui + "the city's name must begin with a capital letter"};
        QTest::newRow("a city twice") << QStringLiteral("CIfiTTÀfa AfaB\tCITTÀ AB")
                                      << QStringList{qui + QStringLiteral("\"CITTÀ AB\" is already on line 2")};
        QTest::newRow("two blanks in the answer") << QStringLiteral("Cifittàfa  AfaC\tCittà  AC")
                                                  << QStringList{qui + "the answer has two blanks in a row"};
        QTest::newRow("a city more") << "+"
                                     << QStringList{QStringLiteral("farfallino.tsv:4: \"Città AC\" is already on line 3"),
                                                    "farfallino.tsv: the table has 51 cities, not 50"};
    }
    void aBrokenCityStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        const QStringList righe = cittaValide();
        QCOMPARE(righe[3 - 1], QStringLiteral("Cifittàfa AfaC\tCittà AC"));
        QCOMPARE(controlla(QStringLiteral("farfallino.tsv"), righe, 3, nuova), errori);
    }
};

QTEST_GUILESS_MAIN(TestProveDigitate)
#include "tst_prove_digitate.moc"

// The recipes of "IL GRANDE CHEF": the build refuses a recipe that is too
// short or too long, has a comma, hides its ingredient badly or gives it
// away, or a choice too long or without its capital.
#include "prove.h"
#include "records/tabella.h"

#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

// A recipe of exactly n characters hiding one word of five X.
QString ricettaLunga(int n) { return QStringLiteral("Unire XXXXX e ") + QString(n - 15, u'a') + u'.'; }

// A recipes' table keeping every rule: a note, then on line k + 1 recipe k
// hiding "Pepe", with "Sale", "Pepe", "Olio" to choose from.
QStringList ricetteValide()
{
    QStringList righe{QStringLiteral("# ricette di prova")};
    for (int k = 1; k <= 60; ++k)
        righe << QStringLiteral("Ricetta %1. Unire XXXX e cuocere.").arg(k) + QStringLiteral(" Mescolare bene.").repeated(10)
                     + QStringLiteral("\tSale\tPepe\tOlio\tPepe");
    return righe;
}

}  // namespace

class TestProveRicette : public QObject {
    Q_OBJECT
private slots:
    void aBrokenRecipeStopsTheBuild_data()
    {
        QTest::addColumn<QString>("ricetta");   // line 8, recipe 7, gets this recipe
        QTest::addColumn<QStringList>("scelte");   // ... and these choices and answer; empty: as they are
        QTest::addColumn<QString>("errore");
        const QString qui = QStringLiteral("ricette.tsv:8: ");
        const QStringList solite;
        QTest::newRow("163 characters") << ricettaLunga(163) << solite << QString();
        QTest::newRow("838 characters") << ricettaLunga(838) << solite << QString();
        QTest::newRow("162 characters") << ricettaLunga(162) << solite << qui + "the recipe has 162 characters, not 163 to 838";
        QTest::newRow("839 characters") << ricettaLunga(839) << solite << qui + "the recipe has 839 characters, not 163 to 838";
        QTest::newRow("a comma") << ricettaLunga(200).replace(QStringLiteral("e a"), QStringLiteral(", a")) << solite
                                 << qui + "the recipe has a comma: two blanks part a list's items";
        QTest::newRow("runs of 3 and 12, an elision") << ricettaLunga(200).replace(QStringLiteral("XXXXX"), QStringLiteral("XXX XXXXXXXXXXXX dell'XXXX"))
                                                      << solite << QString();
        QTest::newRow("a run of 2") << ricettaLunga(200).replace(QStringLiteral("XXXXX"), QStringLiteral("XXXX XX")) << solite
                                    << qui + "a run of 2 X, not 3 to 12";
        QTest::newRow("a run of 13") << ricettaLunga(200).replace(QStringLiteral("XXXXX"), QString(13, u'X')) << solite
                                     << qui + "a run of 13 X, not 3 to 12";
        QTest::newRow("X inside a word") << ricettaLunga(200).replace(QStringLiteral("XXXXX"), QStringLiteral("XXXXXo")) << solite
                                         << qui + "\"XXXXXo\" mixes X with other letters";
        QTest::newRow("a word half hidden") << ricettaLunga(200).replace(QStringLiteral("XXXXX"), QStringLiteral("peXXX")) << solite
                                            << qui + "\"peXXX\" mixes X with other letters";
        QTest::newRow("nothing hidden") << ricettaLunga(200).replace(QStringLiteral("XXXXX"), QStringLiteral("tutto")) << solite
                                        << qui + "the recipe hides nothing: no run of X";
        QTest::newRow("a small x is a letter") << ricettaLunga(200).replace(QStringLiteral("Unire"), QStringLiteral("Extra")) << solite
                                               << QString();
        QTest::newRow("the answer in the text") << ricettaLunga(200).replace(QStringLiteral("e a"), QStringLiteral("e pepe a")) << solite
                                                << qui + "the recipe gives the answer away: \"Pepe\"";
        QTest::newRow("the answer inside a word") << ricettaLunga(200).replace(QStringLiteral("e a"), QStringLiteral("e peperoni a"))
                                                  << solite << qui + "the recipe gives the answer away: \"Pepe\"";
        QTest::newRow("a choice of 30 characters") << QString() << QStringList{"Sale", "Pepe", QString(30, u'O'), "Pepe"} << QString();
        QTest::newRow("a choice of 31 characters") << QString() << QStringList{"Sale", "Pepe", QString(31, u'O'), "Pepe"}
                                                   << qui + "choice 3 is longer than 30 characters";
        QTest::newRow("a small initial") << QString() << QStringList{"sale", "Pepe", "Olio", "Pepe"}
                                         << qui + "choice 1 starts with neither a capital nor a digit";
        QTest::newRow("a quantity's digit") << QString() << QStringList{"50 gr di sale", "Pepe", "Olio", "Pepe"} << QString();
        QTest::newRow("a bracket first") << QString() << QStringList{"Sale", "Pepe", "(olio)", "Pepe"}
                                       << qui + "choice 3 starts with neither a capital nor a digit";
        QTest::newRow("no answer field") << QString() << QStringList{"Sale", "Pepe", "Olio"}
                                         << qui + "a row must be: recipe, three choices, answer";
        QTest::newRow("not Windows-1252") << ricettaLunga(200).replace(QStringLiteral("e a"), QStringLiteral("e ł a")) << solite
                                          << qui + QStringLiteral("the recipe has \"ł\", not in Windows-1252");
    }
    void aBrokenRecipeStopsTheBuild()
    {
        QFETCH(QString, ricetta);
        QFETCH(QStringList, scelte);
        QFETCH(QString, errore);
        QStringList righe = ricetteValide();
        QStringList campi = righe[8 - 1].split(u'\t');
        QVERIFY(campi[0].startsWith(QStringLiteral("Ricetta 7.")));
        if (!ricetta.isEmpty())
            campi[0] = ricetta;
        if (!scelte.isEmpty())
            campi = QStringList{campi[0]} + scelte;
        righe[8 - 1] = campi.join(u'\t');
        QList<ErroreTabella> errori;
        controllaProve({leggiTabella(QStringLiteral("ricette.tsv"), righe.join(u'\n').toUtf8(), errori)}, errori);
        QStringList testi;
        for (const ErroreTabella& e : errori)
            testi << e.testo();
        QCOMPARE(testi, errore.isEmpty() ? QStringList() : QStringList{errore});
    }

    // Sixty answers in their order: a recipe more or less moves them.
    void sixtyRecipesNoMoreNoLess_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("errore");
        QTest::newRow("59") << 59 << "ricette.tsv: the table has 59 recipes, not 60";
        QTest::newRow("61") << 61 << "ricette.tsv: the table has 61 recipes, not 60";
    }
    void sixtyRecipesNoMoreNoLess()
    {
        QFETCH(int, righe);
        QFETCH(QString, errore);
        QStringList tabella = ricetteValide();
        while (tabella.size() - 1 > righe)
            tabella.removeLast();
        while (tabella.size() - 1 < righe)
            tabella << tabella.last();
        QList<ErroreTabella> errori;
        controllaProve({leggiTabella(QStringLiteral("ricette.tsv"), tabella.join(u'\n').toUtf8(), errori)}, errori);
        QStringList testi;
        for (const ErroreTabella& e : errori)
            testi << e.testo();
        QCOMPARE(testi, QStringList{errore});
    }
};

QTEST_GUILESS_MAIN(TestProveRicette)
#include "tst_prove_ricette.moc"

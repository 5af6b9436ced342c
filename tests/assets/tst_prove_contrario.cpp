// The table of answers and their questions: the build stops on each broken
// rule, naming the line and the rule.
#include "prove.h"
#include "records/tabella.h"

#include <QtTest>

using namespace zolmera;
using namespace zolmera::contenuti;

namespace {

const QString kDomande =
    QStringLiteral("\tQuale fiume attraversa Roma?\tQuale fiume attraversa Torino?\tQuale fiume attraversa Firenze?"
                   "\tQuale fiume attraversa Roma?");

// A table that keeps every rule: a note, then on line k + 1 answer k.
QStringList risposteValide()
{
    QStringList righe{QStringLiteral("# risposte di prova")};
    for (int k = 1; k <= 50; ++k)
        righe << QStringLiteral("IL TEVERE %1").arg(k) + kDomande;
    return righe;
}

QStringList controlla(const QStringList& righe)
{
    QList<ErroreTabella> errori;
    controllaProve({leggiTabella(QStringLiteral("contrario.tsv"), righe.join(u'\n').toUtf8(), errori)}, errori);
    QStringList testi;
    for (const ErroreTabella& e : errori)
        testi << e.testo();
    return testi;
}

}  // namespace

class TestContrario : public QObject {
    Q_OBJECT
private slots:
    void aBrokenAnswerStopsTheBuild_data()
    {
        QTest::addColumn<QString>("nuova");   // line 5 becomes this; "-" removes it
        QTest::addColumn<QStringList>("errori");
        const QString qui = QStringLiteral("contrario.tsv:5: ");
        QTest::newRow("6 characters") << "L'ETNA" + kDomande << QStringList();
        QTest::newRow("45 characters") << QString(45, u'A') + kDomande << QStringList();
        QTest::newRow("an accented capital") << QStringLiteral("LA CITTÀ DEL VATICANO") + kDomande << QStringList();
        QTest::newRow("5 characters") << "ROMA!" + kDomande
                                      << QStringList{qui + "the answer shown has 5 characters, not 6 to 45"};
        QTest::newRow("46 characters") << QString(46, u'A') + kDomande
                                       << QStringList{qui + "the answer shown has 46 characters, not 6 to 45"};
        QTest::newRow("small letters") << "Il Tevere" + kDomande
                                       << QStringList{qui + "the answer shown is not in upper case"};
        QTest::newRow("an accent in small letters") << QStringLiteral("LA CITTà DEL VATICANO") + kDomande
                                                    << QStringList{qui + "the answer shown is not in upper case"};
        QTest::newRow("no right question")
            << "IL TEVERE\tQuale fiume attraversa Roma?\tQuale fiume attraversa Torino?\tQuale fiume attraversa Firenze?"
            << QStringList{qui + "a row must be: answer shown, three questions, right question"};
        QTest::newRow("a question without its mark")
            << "IL TEVERE\tQuale fiume attraversa Roma?\tQuale fiume attraversa Torino\tQuale fiume attraversa Firenze?"
               "\tQuale fiume attraversa Roma?"
            << QStringList{qui + "question 2 does not end with \"?\""};
        QTest::newRow("the right question without its mark")
            << "IL TEVERE\tQuale fiume attraversa Roma\tQuale fiume attraversa Torino?\tQuale fiume attraversa Firenze?"
               "\tQuale fiume attraversa Roma"
            << QStringList{qui + "question 1 does not end with \"?\""};
        QTest::newRow("49 answers") << "-" << QStringList{"contrario.tsv: the table has 49 answers, not 50"};
    }
    void aBrokenAnswerStopsTheBuild()
    {
        QFETCH(QString, nuova);
        QFETCH(QStringList, errori);
        QStringList righe = risposteValide();
        if (nuova == QLatin1String("-"))
            righe.removeAt(5 - 1);
        else
            righe[5 - 1] = nuova;
        QCOMPARE(controlla(righe), errori);
    }
};

QTEST_GUILESS_MAIN(TestContrario)
#include "tst_prove_contrario.moc"

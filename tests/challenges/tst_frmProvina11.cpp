// "COMPLETA IL PROVERBIO": a proverb with a gap read for ten seconds, then
// the missing words typed on the board.
#include "challenges/short/frmProvina11.h"
#include "testkit/riga.h"

using namespace zolmera;
using namespace zolmera::testing;

class TestProverbi : public QObject {
    Q_OBJECT
private slots:
    // The first and the last proverb, as the table keeps them.
    void theTablesEndsArePinned_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("proverbio");
        QTest::addColumn<QString>("risposta");
        QTest::newRow("the first") << 1 << QStringLiteral("Essere l'avvocato del \u2026") << "DIAVOLO";
        QTest::newRow("the last") << 80 << QStringLiteral("Chi non beve \u2026 o è un ladro o una spia.") << "IN COMPAGNIA";
    }
    void theTablesEndsArePinned()
    {
        QFETCH(int, r);
        QFETCH(QString, proverbio);
        QFETCH(QString, risposta);
        MondoBreve<frmProvina11> w;
        w.fakes.random.pushDraw(r, frmProvina11::kProverbi);
        frmProvina11& p = w.carica();
        QCOMPARE(p.txtDomanda.text(), proverbio);
        QCOMPARE(w.M().strRispostaEsatta, risposta);
    }

    void everyRowCanBeAnswered() { verificaRighe<frmProvina11>(QStringLiteral("proverbi")); }

    // The missing words exactly: the apostrophe that stands for an accent,
    // the one inside a word, every word and single blanks between them.
    void theMissingWordsExactly_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("digitata");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("an apostrophe for the accent") << 12 << "vedra'" << true;
        QTest::newRow("the accent itself") << 12 << QStringLiteral("vedrà") << false;
        QTest::newRow("no accent at all") << 12 << "vedra" << false;
        QTest::newRow("an apostrophe inside") << 30 << "l'aia" << true;
        QTest::newRow("the apostrophe left out") << 30 << "laia" << false;
        QTest::newRow("three words") << 36 << "un dottore morto" << true;
        QTest::newRow("a word short") << 36 << "dottore morto" << false;
        QTest::newRow("two blanks inside") << 36 << "un dottore  morto" << false;
    }
    void theMissingWordsExactly()
    {
        QFETCH(int, r);
        QFETCH(QString, digitata);
        QFETCH(bool, giusta);
        MondoBreve<frmProvina11> w;
        QCOMPARE(w.dalPassoAlGiro({.k = 11, .r = r, .n = frmProvina11::kProverbi, .risposta = w.tasti(digitata)}), giusta);
        QCOMPARE(w.R->txtRisposta.text(), digitata);
    }
};

ZOLMERA_TEST_MAIN(TestProverbi)
#include "tst_frmProvina11.moc"

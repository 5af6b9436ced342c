// "PAROLE IN GABBIA": a definition that cages its word's first or last
// letters, read for ten seconds; then the word is typed on the board.
#include "challenges/short/frmProvina17.h"
#include "testkit/breve.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
constexpr int kRighe = 469;

// The reading of row r played out; the first contestant books, types
// `scritta` and confirms. Whether the board gives him the spin.
bool rispondi(int r, const QString& scritta)
{
    MondoBreve<frmProvina17> w;
    w.touch("sounds1/domanda17.wav", onda(1));
    w.fakes.random.pushDraw(r, kRighe);
    frmProvina17& p = w.carica();
    if (p.r != r)
        qFatal("row %d not drawn", r);
    w.leggiERispondi(p, 10, {w.tasti(scritta)});
    if (w.R->txtRisposta.text() != scritta)
        qFatal("the answer box holds \"%s\"", qPrintable(w.R->txtRisposta.text()));
    return w.R->cmdGira1.enabled() && w.M().bytGiri[1] == 1;
}
}  // namespace

class TestGabbie : public QObject {
    Q_OBJECT
private slots:
    // The board takes the word in any case and with blanks around it, but
    // with the table's own blanks and apostrophes: an accent typed for the
    // apostrophe, a blank doubled or left out, a near word are all wrong.
    void theTypedWordIsJudgedAsTheBoardCompares_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("scritta");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("the first row") << 1 << "capra" << true;
        QTest::newRow("the last row") << kRighe << "casello" << true;
        QTest::newRow("blanks around") << 12 << "  Capodoglio " << true;
        QTest::newRow("a near word") << 7 << "cappuccio" << false;
        QTest::newRow("the plural") << 7 << "cappuccini" << false;
        QTest::newRow("two words") << 35 << "mar rosso" << true;
        QTest::newRow("two words, the blank doubled") << 35 << "mar  rosso" << false;
        QTest::newRow("two words run together") << 35 << "marrosso" << false;
        QTest::newRow("three words") << 156 << "Torre del Greco" << true;
        QTest::newRow("the apostrophe for the accent") << 36 << "martedi'" << true;
        QTest::newRow("the accent itself") << 36 << QStringLiteral("martedì") << false;
        QTest::newRow("no accent at all") << 36 << "martedi" << false;
        QTest::newRow("a town with the apostrophe") << 420 << "forli'" << true;
        QTest::newRow("a country with the accent") << 129 << QStringLiteral("perù") << false;
    }
    void theTypedWordIsJudgedAsTheBoardCompares()
    {
        QFETCH(int, r);
        QFETCH(QString, scritta);
        QFETCH(bool, giusta);
        QCOMPARE(rispondi(r, scritta), giusta);
    }

    // From the board's step button to a lit spin button: the window drawn at
    // turn 5, the definition read, the word typed in small letters.
    void fromTheBoardToASpin()
    {
        MondoBreve<frmProvina17> w;
        // The short challenge drawn: PAROLE IN GABBIA; its row: the highest peak of the Alps.
        const bool acceso = w.dalPassoAlGiro(
            {.k = 17,
             .r = 277,
             .n = kRighe,
             .risposta = w.tasti(QStringLiteral("monte bianco")),
             .turno = 5,
             .alVia =
                 [](frmProvina17& p) {
                     QCOMPARE(p.lblTitolo.caption(), QStringLiteral("PAROLE IN GABBIA"));
                     QVERIFY(!p.txtDomanda.visible());
                 },
             .inLettura =
                 [](frmProvina17& p) {
                     QCOMPARE(p.txtDomanda.text(), QStringLiteral("Questo 'MON…' è la vetta più alta delle Alpi"));
                     QVERIFY(p.txtDomanda.visible());
                 }});
        QVERIFY(acceso);
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("monte bianco"));
    }
};

ZOLMERA_TEST_MAIN(TestGabbie)
#include "tst_frmProvina17.moc"

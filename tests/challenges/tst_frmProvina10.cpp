// "DATA DI NASCITA": a date shown for ten seconds, then the board asks who
// was born that day, with the row's three names to click.
#include "challenges/short/frmProvina10.h"
#include "testkit/riga.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {

// The row of the shipped table whose answer is this name, from 1; 0 if none.
int rigaDi(const QString& risposta)
{
    const QList<QStringList> righe = tabellaProva(QStringLiteral("nascite"));
    for (qsizetype i = 0; i < righe.size(); ++i)
        if (righe[i].value(4) == risposta)
            return int(i + 1);
    return 0;
}

}  // namespace

class TestDataDiNascita : public QObject {
    Q_OBJECT
private slots:
    // Every row of the table: its right name, clicked, wins the spin; either
    // wrong one loses, and both wrong, one by each contestant, win nothing.
    // The board copies the option and judges it trimmed and in upper case
    // against the answer.
    void everyRowIsWonByItsRightNameAlone_data()
    {
        QTest::addColumn<int>("r");
        const QList<QStringList> righe = tabellaProva(QStringLiteral("nascite"));
        QCOMPARE(int(righe.size()), frmProvina10::kDate);
        for (int r = 1; r <= frmProvina10::kDate; ++r)
            QTest::addRow("%d: %s", r, qPrintable(righe[r - 1].value(0))) << r;
    }
    void everyRowIsWonByItsRightNameAlone()
    {
        QFETCH(int, r);
        verificaSceltaGiusta<frmProvina10>(QStringLiteral("nascite"), r, frmProvina10::kDate, 10);
    }

    // A typed name is right only as the table writes it, whatever the case
    // and the blanks at its ends.
    void aTypedNameIsRightOnlyWhole_data()
    {
        QTest::addColumn<QString>("risposta");   // the row drawn: the one of this answer
        QTest::addColumn<QString>("scritta");
        QTest::addColumn<bool>("giusta");
        const QString deAndre = QStringLiteral("FABRIZIO DE ANDRÉ");
        const QString dannunzio = QStringLiteral("GABRIELE D'ANNUNZIO");
        QTest::newRow("small letters") << deAndre << QStringLiteral("fabrizio de andré") << true;
        QTest::newRow("blanks at the ends") << deAndre << QStringLiteral("  Fabrizio De André ") << true;
        QTest::newRow("a double blank") << deAndre << QStringLiteral("fabrizio  de andré") << false;
        QTest::newRow("without the accent") << deAndre << QStringLiteral("fabrizio de andre") << false;
        QTest::newRow("the surname alone") << deAndre << QStringLiteral("de andré") << false;
        QTest::newRow("the plain apostrophe") << dannunzio << QStringLiteral("gabriele d'annunzio") << true;
        QTest::newRow("a curly apostrophe") << dannunzio << QStringLiteral("gabriele d\u2019annunzio") << false;
        QTest::newRow("a single name") << QStringLiteral("MINA") << QStringLiteral("mina") << true;
    }
    void aTypedNameIsRightOnlyWhole()
    {
        QFETCH(QString, risposta);
        QFETCH(QString, scritta);
        QFETCH(bool, giusta);
        const int r = rigaDi(risposta);
        QVERIFY2(r > 0, qPrintable(risposta));
        MondoBreve<frmProvina10> w;
        w.fakes.random.pushDraw(r, frmProvina10::kDate);
        frmProvina10& p = w.carica();
        QCOMPARE(p.r, r);
        w.leggiERispondi(p, 10, {w.tasti(scritta)});
        QCOMPARE(w.R->txtRisposta.text(), scritta);
        QCOMPARE(w.giudizi, QStringList{giusta ? "1 0 0" : "0 0 1"});
    }

    // From the board's step button to a lit spin button: the window drawn at
    // turn 2, the date read, the right name clicked.
    void fromTheBoardToASpin()
    {
        MondoBreve<frmProvina10> w;
        const int r = rigaDi(QStringLiteral("GIOACHINO ROSSINI"));
        QVERIFY(r > 0);
        const QStringList riga = tabellaProva(QStringLiteral("nascite")).value(r - 1);
        const int giusta = int(riga.mid(1, 3).indexOf(QStringLiteral("GIOACHINO ROSSINI")));
        // The short challenge drawn: DATA DI NASCITA.
        const bool acceso = w.dalPassoAlGiro(
            {.k = 10,
             .r = r,
             .n = frmProvina10::kDate,
             .risposta = w.clic(giusta),
             .alVia = [](frmProvina10& p) { QCOMPARE(p.lblTitolo.caption(), QStringLiteral("DATA DI NASCITA")); },
             .inLettura = [&](frmProvina10& p) {
                 QVERIFY(p.txtDomanda.visible());
                 QCOMPARE(p.txtDomanda.text(), QStringLiteral("29 febbraio 1792"));
                 QCOMPARE(w.opzioni(), riga.mid(1, 3));
             }});
        QVERIFY(acceso);
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda10.wav"));
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("GIOACHINO ROSSINI"));
    }
};

ZOLMERA_TEST_MAIN(TestDataDiNascita)
#include "tst_frmProvina10.moc"

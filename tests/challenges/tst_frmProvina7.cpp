// "IL TELEGRAMMA": a telegram about a well-known person, then three names on
// the board.
#include "challenges/short/frmProvina7.h"
#include "testkit/riga.h"

using namespace zolmera;
using namespace zolmera::testing;

class TestTelegramma : public QObject {
    Q_OBJECT
private slots:
    // Whichever row is drawn, the board holds its names in the row's order:
    // the right one clicked wins, either wrong one clicked loses.
    void everyRowsRightNameWins_data()
    {
        QTest::addColumn<int>("r");
        const QList<QStringList> righe = tabellaProva(QStringLiteral("telegrammi"));
        QCOMPARE(int(righe.size()), frmProvina7::kRighe);
        for (int r = 1; r <= frmProvina7::kRighe; ++r)
            QTest::addRow("%d: %s", r, qPrintable(righe[r - 1].value(4))) << r;
    }
    void everyRowsRightNameWins()
    {
        QFETCH(int, r);
        verificaSceltaGiusta<frmProvina7>(QStringLiteral("telegrammi"), r, frmProvina7::kRighe, 10);
    }

    // From the board's step button to a lit spin: the window drawn at turn
    // 2, the telegram read, the right name clicked.
    void fromTheBoardToASpin()
    {
        MondoBreve<frmProvina7> w;
        // The short challenge drawn: IL TELEGRAMMA; its row: the prince of laughter.
        const bool acceso = w.dalPassoAlGiro({.k = 7, .r = 21, .n = 35, .risposta = w.clic(1), .alVia = [&](frmProvina7& p) {
            QCOMPARE(p.lblTitolo.caption(), QStringLiteral("IL TELEGRAMMA"));
            QVERIFY(p.txtDomanda.text().contains(QStringLiteral(" STOP SCRIVE LA POESIA 'A LIVELLA STOP ")));
            QCOMPARE(w.opzioni(), (QStringList{"ALBERTO SORDI", QStringLiteral("TOTÒ"), "MASSIMO TROISI"}));
        }});
        QVERIFY(acceso);
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("TOTÒ"));
    }
};

ZOLMERA_TEST_MAIN(TestTelegramma)
#include "tst_frmProvina7.moc"

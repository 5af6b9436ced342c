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
        w.touch("sounds1/domanda7.wav", onda(1));
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(7, 18);    // the short challenge drawn: IL TELEGRAMMA
        w.fakes.random.pushDraw(21, 35);   // its row: the prince of laughter
        w.passo();
        frmProvina7* p = w.ctx->screens.find<frmProvina7>();
        QVERIFY(p && p->visible());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("IL TELEGRAMMA"));
        QVERIFY(p->txtDomanda.text().contains(QStringLiteral(" STOP SCRIVE LA POESIA 'A LIVELLA STOP ")));
        QCOMPARE(w.opzioni(), (QStringList{"ALBERTO SORDI", QStringLiteral("TOTÒ"), "MASSIMO TROISI"}));
        w.click(p->cmdEsegui);
        const double t0 = w.loop().now();
        w.loop().at(t0 + 11, [&] { w.keyClick(*w.R, Qt::Key_Z, "z"); });
        w.loop().at(t0 + 12, [&] {
            w.click(w.R->txtOpzione[1]);
            w.click(w.R->cmdOK);
        });
        w.advance(14);
        QVERIFY(!w.ctx->screens.find<frmProvina7>());
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("TOTÒ"));
        QVERIFY(w.R->cmdGira1.enabled());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestTelegramma)
#include "tst_frmProvina7.moc"

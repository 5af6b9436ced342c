// "IL MOTIVO MISTERIOSO": a passage read for ten seconds, then its title
// chosen among the row's three or typed on the board.
#include "challenges/short/frmProvina8.h"
#include "testkit/riga.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
struct Motivi : MondoBreve<frmProvina8> {
    Motivi() { touch("sounds1/domanda8.wav", onda(1)); }
    // Row r of the table drawn.
    frmProvina8& caricaRiga(int r)
    {
        fakes.random.pushDraw(r, 80);
        return carica();
    }
    bool giroConcesso() { return M().bytGiri[1] == 1 && R->cmdGira1.enabled(); }
};
}  // namespace

class TestMotivi : public QObject {
    Q_OBJECT
private slots:
    // Every row with choices, as the program carries it: its right title,
    // clicked on the board and confirmed, earns the spin; the other two do not.
    void theRightChoiceOfEveryRowIsJudgedRight_data()
    {
        QTest::addColumn<int>("r");
        const QList<QStringList> righe = tabellaProva(QStringLiteral("motivi"));
        QVERIFY(!righe.isEmpty());
        for (int r = 1; r <= righe.size(); ++r)
            if (!righe[r - 1].value(1).isEmpty())
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(r).arg(righe[r - 1].value(4)))) << r;
    }
    void theRightChoiceOfEveryRowIsJudgedRight()
    {
        QFETCH(int, r);
        verificaSceltaGiusta<frmProvina8>(QStringLiteral("motivi"), r, 80, 10);
    }

    // A row without choices clears the boxes the previous challenge filled,
    // and a click on one of them empties the answer box.
    void aRowWithoutChoicesLeavesTheBoxesEmpty()
    {
        Motivi w;
        w.run([&] {
            for (int i = 0; i <= 2; ++i)
                w.R->txtOpzione[i].setText(QStringLiteral("resto"));
        });
        frmProvina8& p = w.caricaRiga(13);
        QCOMPARE(w.opzioni(), (QStringList{QString(), QString(), QString()}));
        QCOMPARE(w.M().strRispostaEsatta, QStringLiteral("BELLA CIAO"));
        QString scritta, dopoIlClic;
        w.leggiERispondi(p, 10, {[&] {
                             w.typeKeys(*w.R, QStringLiteral("bella ciao"));
                             scritta = w.R->txtRisposta.text();
                             w.click(w.R->txtOpzione[2]);
                             dopoIlClic = w.R->txtRisposta.text();
                         }});
        QCOMPARE(scritta, QStringLiteral("bella ciao"));
        QCOMPARE(dopoIlClic, QString());
        QVERIFY(!w.giroConcesso());
    }

    // A typed title is trimmed and upper-cased, then must be the stored one
    // character by character: another apostrophe, accent or spacing is wrong.
    void aTypedTitleIsJudgedAsStored_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("scritta");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("small letters") << 14 << "fratelli d'italia" << true;
        QTest::newRow("blanks around") << 14 << "  Fratelli d'Italia " << true;
        QTest::newRow("a typographic apostrophe") << 14 << QStringLiteral("fratelli d\u2019italia") << false;
        QTest::newRow("two blanks inside") << 14 << "fratelli  d'italia" << false;
        QTest::newRow("no apostrophe") << 14 << "fratelli d italia" << false;
        QTest::newRow("an accent, in a row with choices") << 37 << QStringLiteral("la donna è mobile") << true;
        QTest::newRow("an apostrophe for the accent") << 37 << "la donna e' mobile" << false;
    }
    void aTypedTitleIsJudgedAsStored()
    {
        QFETCH(int, r);
        QFETCH(QString, scritta);
        QFETCH(bool, giusta);
        Motivi w;
        frmProvina8& p = w.caricaRiga(r);
        w.leggiERispondi(p, 10, {w.tasti(scritta)});
        QCOMPARE(w.R->txtRisposta.text(), scritta);
        QCOMPARE(w.giroConcesso(), giusta);
    }

    // From the board's step button to a lit spin button: the window drawn at
    // turn 2, a passage read, its title typed.
    void fromTheBoardToASpin()
    {
        Motivi w;
        // The short challenge drawn: IL MOTIVO MISTERIOSO; its passage: "Tu scendi dalle stelle".
        const bool acceso = w.dalPassoAlGiro(
            {.k = 8, .r = 24, .n = 80, .risposta = w.tasti(QStringLiteral("tu scendi dalle stelle")), .alVia = [](frmProvina8& p) {
                 QCOMPARE(p.lblTitolo.caption(), QStringLiteral("IL MOTIVO MISTERIOSO"));
                 QVERIFY(!p.txtDomanda.visible());
                 QVERIFY(p.txtDomanda.text().startsWith(QStringLiteral("A te, che sei del mondo il Creatore")));
             }});
        QVERIFY(acceso);
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda8.wav"));
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("tu scendi dalle stelle"));
    }
};

ZOLMERA_TEST_MAIN(TestMotivi)
#include "tst_frmProvina8.moc"

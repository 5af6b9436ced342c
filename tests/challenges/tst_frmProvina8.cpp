// "IL MOTIVO MISTERIOSO": a passage read for ten seconds, then its title
// chosen among the row's three or typed on the board.
#include "challenges/short/frmProvina8.h"
#include "records/tabella.h"
#include "testkit/breve.h"

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
    // The passage read; when the board asks, contestant 1 books, `risponde`
    // fills the answer box, and he confirms.
    void leggiERispondi(frmProvina8& p, const std::function<void()>& risponde)
    {
        click(p.cmdEsegui);
        const double t0 = loop().now();
        loop().at(t0 + 11, [&] { keyClick(*R, Qt::Key_Z, "z"); });
        loop().at(t0 + 12, [&] {
            risponde();
            click(R->cmdOK);
        });
        advance(14);
        QVERIFY(!ctx->screens.find<frmProvina8>());
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
        const QStringList riga = tabellaProva(QStringLiteral("motivi")).value(r - 1);
        for (int i = 0; i <= 2; ++i) {
            Motivi w;
            frmProvina8& p = w.caricaRiga(r);
            const QString scelta = w.R->txtOpzione[i].text();
            QCOMPARE(scelta, riga[1 + i]);
            w.leggiERispondi(p, [&] { w.click(w.R->txtOpzione[i]); });
            QCOMPARE(w.R->txtRisposta.text(), scelta);
            QVERIFY2(w.giroConcesso() == (scelta == riga[4]), qPrintable(scelta));
        }
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
        w.leggiERispondi(p, [&] {
            w.typeKeys(*w.R, QStringLiteral("bella ciao"));
            scritta = w.R->txtRisposta.text();
            w.click(w.R->txtOpzione[2]);
            dopoIlClic = w.R->txtRisposta.text();
        });
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
        w.leggiERispondi(p, [&] { w.typeKeys(*w.R, scritta); });
        QCOMPARE(w.R->txtRisposta.text(), scritta);
        QCOMPARE(w.giroConcesso(), giusta);
    }

    // From the board's step button to a lit spin button: the window drawn at
    // turn 2, a passage read, its title typed.
    void fromTheBoardToASpin()
    {
        Motivi w;
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(8, 18);    // the short challenge drawn: IL MOTIVO MISTERIOSO
        w.fakes.random.pushDraw(24, 80);   // its passage: "Tu scendi dalle stelle"
        w.passo();
        frmProvina8* p = w.ctx->screens.find<frmProvina8>();
        QVERIFY(p && p->visible());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("IL MOTIVO MISTERIOSO"));
        QVERIFY(!p->txtDomanda.visible());
        QVERIFY(p->txtDomanda.text().startsWith(QStringLiteral("A te, che sei del mondo il Creatore")));
        w.leggiERispondi(*p, [&] { w.typeKeys(*w.R, QStringLiteral("tu scendi dalle stelle")); });
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda8.wav"));
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("tu scendi dalle stelle"));
        QVERIFY(w.giroConcesso());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
    }
};

ZOLMERA_TEST_MAIN(TestMotivi)
#include "tst_frmProvina8.moc"

// "DATA DI NASCITA": a date shown for ten seconds, then the board asks who
// was born that day, with the row's three names to click.
#include "challenges/short/frmProvina10.h"
#include "records/tabella.h"
#include "testkit/breve.h"

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

struct Nascite : MondoBreve<frmProvina10> {
    Nascite() { touch("sounds1/domanda10.wav", onda(1)); }
    // Row r drawn and read to the booking question; then each answer in
    // turn, a second apart: its contestant books, makes it the answer, and
    // confirms. What the board judged is noted after each.
    struct Risposta {
        int w;
        std::function<void()> scrivi;
    };
    void gioca(int r, const QList<Risposta>& risposte)
    {
        fakes.random.pushDraw(r, frmProvina10::kDate);
        frmProvina10& p = carica();
        QCOMPARE(p.r, r);
        click(p.cmdEsegui);
        const double t0 = loop().now() + 10;
        for (qsizetype i = 0; i < risposte.size(); ++i) {
            const Risposta& a = risposte[i];
            loop().at(t0 + 3 * double(i) + 1, [this, a] {
                keyClick(*R, a.w == 1 ? Qt::Key_Z : Qt::Key_N, a.w == 1 ? "z" : "n");
            });
            loop().at(t0 + 3 * double(i) + 2, [this, a] {
                a.scrivi();
                click(R->cmdOK);
            });
            loop().at(t0 + 3 * double(i) + 2.5, [this] {
                giudizi << QStringLiteral("%1 %2 %3").arg(M().bytGiri[1]).arg(M().bytGiri[2]).arg(R->prenotazione.varErrori);
            });
        }
        advance(10 + 3 * double(risposte.size()) + 1);
    }
    Risposta clic(int w, int opzione)
    {
        return {w, [this, opzione] { click(R->txtOpzione[opzione]); }};
    }
    Risposta scritta(int w, const QString& testo)
    {
        return {w, [this, testo] {
                    R->txtRisposta.setFocus();
                    typeKeys(*R, testo);
                }};
    }
    // After each answer, the spins won by each and the failed attempts: "1 0 0".
    QStringList giudizi;
};

}  // namespace

class TestDataDiNascita : public QObject {
    Q_OBJECT
private slots:
    // Every row of the table: a wrong name clicked by the first to book,
    // then the other wrong one by the second, win nothing; the right one,
    // clicked when the row is drawn in another match, wins the spin. The board copies the
    // option and judges it trimmed and in upper case against the answer.
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
        const QStringList riga = tabellaProva(QStringLiteral("nascite")).value(r - 1);
        const int giusta = int(riga.mid(1, 3).indexOf(riga.value(4)));
        QVERIFY(giusta >= 0);
        QList<int> sbagliate{0, 1, 2};
        sbagliate.removeOne(giusta);
        Nascite w;
        w.gioca(r, {w.clic(1, sbagliate[0]), w.clic(2, sbagliate[1])});
        QCOMPARE(w.R->txtRisposta.text(), riga.value(1 + sbagliate[1]));
        QCOMPARE(w.giudizi, (QStringList{"0 0 1", "0 0 2"}));
        Nascite v;
        v.gioca(r, {v.clic(1, giusta)});
        QCOMPARE(v.R->txtRisposta.text(), riga.value(1 + giusta));
        QCOMPARE(v.giudizi, QStringList{"1 0 0"});
        QVERIFY(v.R->cmdGira1.enabled());
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
        Nascite w;
        w.gioca(r, {w.scritta(1, scritta)});
        QCOMPARE(w.R->txtRisposta.text(), scritta);
        QCOMPARE(w.giudizi, QStringList{giusta ? "1 0 0" : "0 0 1"});
    }

    // From the board's step button to a lit spin button: the window drawn at
    // turn 2, the date read, the right name clicked.
    void fromTheBoardToASpin()
    {
        Nascite w;
        const int r = rigaDi(QStringLiteral("GIOACHINO ROSSINI"));
        QVERIFY(r > 0);
        const QStringList riga = tabellaProva(QStringLiteral("nascite")).value(r - 1);
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(10, 18);   // the short challenge drawn: DATA DI NASCITA
        w.fakes.random.pushDraw(r, frmProvina10::kDate);
        w.passo();
        frmProvina10* p = w.ctx->screens.find<frmProvina10>();
        QVERIFY(p && p->visible());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("DATA DI NASCITA"));
        w.click(p->cmdEsegui);
        QVERIFY(p->txtDomanda.visible());
        QCOMPARE(p->txtDomanda.text(), QStringLiteral("29 febbraio 1792"));
        QCOMPARE(w.opzioni(), riga.mid(1, 3));
        const int giusta = int(riga.mid(1, 3).indexOf(QStringLiteral("GIOACHINO ROSSINI")));
        const double t0 = w.loop().now();
        w.loop().at(t0 + 11, [&] { w.keyClick(*w.R, Qt::Key_Z, "z"); });
        w.loop().at(t0 + 12, [&] {
            w.click(w.R->txtOpzione[giusta]);
            w.click(w.R->cmdOK);
        });
        w.advance(14);
        QVERIFY(!w.ctx->screens.find<frmProvina10>());
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda10.wav"));
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("GIOACHINO ROSSINI"));
        QVERIFY(w.R->cmdGira1.enabled());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestDataDiNascita)
#include "tst_frmProvina10.moc"

// "DOMANDA AL CONTRARIO": an answer is shown, and the contestants give its
// question, clicked among three or typed whole.
#include "challenges/short/frmProvina12.h"
#include "testkit/riga.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// The window's load over a table of one row of the test's own.
class ContrarioDiProva final : public ProvaRiga {
public:
    explicit ContrarioDiProva(AppContext& c)
        : ProvaRiga(c, 12, QStringLiteral("contrario"), frmProvina12::kCampi, frmProvina12::kAspetto)
    {
    }
    static inline QStringList riga;

protected:
    void caricaElemento() override
    {
        righe = {riga};
        ProvaRiga::caricaElemento();
    }
};

// Contestant 1 books after the reading, types `testo` and confirms: is he
// given the spin? The answer box keeps what it took.
template <class T>
bool risposta(MondoBreve<T>& w, T& p, const QString& testo, QString& presa)
{
    w.click(p.cmdEsegui);
    const double t0 = w.loop().now();
    w.loop().at(t0 + 11, [&] { w.keyClick(*w.R, Qt::Key_Z, QStringLiteral("z")); });
    w.loop().at(t0 + 12, [&] {
        w.typeKeys(*w.R, testo);
        presa = w.R->txtRisposta.text();
        w.click(w.R->cmdOK);
    });
    w.advance(13);
    return w.M().bytGiri[1] == 1;
}
}  // namespace

class TestContrario : public QObject {
    Q_OBJECT
private slots:
    // Whichever row is drawn, the board holds its questions in the row's
    // order: the right one clicked wins, either wrong one clicked loses.
    void everyRowsRightQuestionWins_data()
    {
        QTest::addColumn<int>("r");
        const QList<QStringList> righe = tabellaProva(QStringLiteral("contrario"));
        QCOMPARE(int(righe.size()), frmProvina12::kRighe);
        for (int r = 1; r <= frmProvina12::kRighe; ++r)
            QTest::addRow("%d: %s", r, qPrintable(righe[r - 1].value(0))) << r;
    }
    void everyRowsRightQuestionWins()
    {
        QFETCH(int, r);
        verificaSceltaGiusta<frmProvina12>(QStringLiteral("contrario"), r, frmProvina12::kRighe, 10);
    }

    // A typed question is judged whole, in either case, the question mark
    // and the apostrophe included; the answer shown is no question.
    void aTypedQuestionIsJudgedWhole_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("small letters") << "cosa si festeggia l'8 dicembre?" << true;
        QTest::newRow("capitals") << "COSA SI FESTEGGIA L'8 DICEMBRE?" << true;
        QTest::newRow("no question mark") << "cosa si festeggia l'8 dicembre" << false;
        QTest::newRow("a typographic apostrophe") << QStringLiteral("cosa si festeggia l\u20198 dicembre?") << false;
        QTest::newRow("another day") << "cosa si festeggia il 6 gennaio?" << false;
        QTest::newRow("the answer shown") << "L'IMMACOLATA CONCEZIONE" << false;
    }
    void aTypedQuestionIsJudgedWhole()
    {
        QFETCH(QString, testo);
        QFETCH(bool, giusta);
        MondoBreve<frmProvina12> w;
        w.fakes.random.pushDraw(10, frmProvina12::kRighe);
        frmProvina12& p = w.carica();
        QCOMPARE(p.txtDomanda.text(), QStringLiteral("L'IMMACOLATA CONCEZIONE"));
        QString presa;
        QCOMPARE(risposta(w, p, testo, presa), giusta);
        QCOMPARE(presa, testo);
        QCOMPARE(w.R->prenotazione.varErrori, giusta ? 0 : 1);
    }

    // The board's boxes hold 50 characters: a right question that long shows
    // whole among the options and, typed whole, wins; the answer box refuses
    // a character more.
    void aQuestionOfFiftyCharactersFits()
    {
        const QString lunga = QStringLiteral("Chi dipinse l'Ultima Cena nel refettorio milanese?");
        QCOMPARE(lunga.size(), 50);
        ContrarioDiProva::riga = {QStringLiteral("LEONARDO DA VINCI"), QStringLiteral("Chi dipinse la Gioconda?"), lunga,
                                  QStringLiteral("Chi dipinse la Primavera?"), lunga};
        MondoBreve<ContrarioDiProva> w;
        ContrarioDiProva& p = w.carica();
        QCOMPARE(w.R->txtOpzione[1].text(), lunga);
        QString presa;
        QVERIFY(risposta(w, p, lunga + QStringLiteral("!"), presa));
        QCOMPARE(presa, lunga);
    }

    // From the board's step button to a lit spin: the window drawn at turn
    // 2, the answer read, the right question clicked.
    void fromTheBoardToASpin()
    {
        MondoBreve<frmProvina12> w;
        w.touch("sounds1/domanda12.wav", onda(1));
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(12, 18);   // the short challenge drawn: DOMANDA AL CONTRARIO
        w.fakes.random.pushDraw(4, 50);    // its row: the Balearic islands
        w.passo();
        frmProvina12* p = w.ctx->screens.find<frmProvina12>();
        QVERIFY(p && p->visible());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("DOMANDA AL CONTRARIO"));
        QCOMPARE(p->txtDomanda.text(), QStringLiteral("SONO 4: MAIORCA MINORCA IBIZA E FORMENTERA"));
        w.click(p->cmdEsegui);
        const double t0 = w.loop().now();
        w.loop().at(t0 + 11, [&] { w.keyClick(*w.R, Qt::Key_Z, "z"); });
        w.loop().at(t0 + 12, [&] {
            w.click(w.R->txtOpzione[2]);
            w.click(w.R->cmdOK);
        });
        w.advance(14);
        QVERIFY(!w.ctx->screens.find<frmProvina12>());
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("Quante e quali sono le isole delle Baleari?"));
        QVERIFY(w.R->cmdGira1.enabled());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestContrario)
#include "tst_frmProvina12.moc"

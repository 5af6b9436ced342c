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
        w.leggiERispondi(p, 10, {w.tasti(testo)});
        QCOMPARE(w.M().bytGiri[1] == 1, giusta);
        QCOMPARE(w.prese, QStringList{testo});
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
        w.leggiERispondi(p, 10, {w.tasti(lunga + QStringLiteral("!"))});
        QCOMPARE(int(w.M().bytGiri[1]), 1);
        QCOMPARE(w.prese, QStringList{lunga});
    }

    // From the board's step button to a lit spin: the window drawn at turn
    // 2, the answer read, the right question clicked.
    void fromTheBoardToASpin()
    {
        MondoBreve<frmProvina12> w;
        // The short challenge drawn: DOMANDA AL CONTRARIO; its row: the Balearic islands.
        const bool acceso = w.dalPassoAlGiro({.k = 12, .r = 4, .n = 50, .risposta = w.clic(2), .alVia = [](frmProvina12& p) {
            QCOMPARE(p.lblTitolo.caption(), QStringLiteral("DOMANDA AL CONTRARIO"));
            QCOMPARE(p.txtDomanda.text(), QStringLiteral("SONO 4: MAIORCA MINORCA IBIZA E FORMENTERA"));
        }});
        QVERIFY(acceso);
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("Quante e quali sono le isole delle Baleari?"));
    }
};

ZOLMERA_TEST_MAIN(TestContrario)
#include "tst_frmProvina12.moc"

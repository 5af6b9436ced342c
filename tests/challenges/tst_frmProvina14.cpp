// "IL GRANDE CHEF": a recipe with its ingredient hidden, read for thirty
// seconds, then the board asks for the ingredient with the row's three
// choices. Played on the table the program carries.
#include "challenges/short/frmProvina14.h"
#include "testkit/riga.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Chef = MondoBreve<frmProvina14>;
}  // namespace

class TestChef : public QObject {
    Q_OBJECT
private slots:
    // Every recipe hides its own ingredient, in the order the game keeps:
    // it is one of the three choices, and that choice, clicked and
    // confirmed, wins the spin, while either of the other two does not.
    void everyRecipesRightChoiceAndOnlyItWins_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("ingrediente");
        const QStringList ingredienti{
            "Uno spicchio d'aglio", "Panna da cucina", "Crema chantilly", "Fontina", "Besciamella",
            "Mascarpone", "Cipolla tritata", "Rosmarino", "Bresaola", "Noce moscata",
            "Rossi d'uovo", "Pasta brisee", "Pinoli", "Zucchero", "Pesto",
            "Filetti d'acciughe", "Goccia di limone", "Uvetta", "Mandorle", "Pane raffermo",
            "Prosciutto cotto", "Vino bianco", "Latte", "Mele", "Noci tritate",
            "Grappa", "Sedano con carote e cipolle", "Dado da brodo", "Paprika", "Farina di mais",
            "Pancetta", "Pan di Spagna", "Parmigiano", "Prosciutto crudo", "Rossi d'uovo",
            "Besciamella", "Salvia", "Uva sultanina", "Piselli", "Vaniglia",
            "Peperoncino", "Prosciutto crudo", "Pancetta", "Menta", "Rhum",
            "Pomodorini", "Canditi", "Pecorino", "Broccoli", "Uova",
            "Colla di pesce", "Marsala", "Sugna", "Melanzane", "Prosciutto cotto",
            QStringLiteral("Pan carrè"), "Panna montata", "Lievito", "Margarina", "50 gr di midollo di bue"};
        QCOMPARE(ingredienti.size(), frmProvina14::kRicette);
        for (int r = 1; r <= frmProvina14::kRicette; ++r)
            QTest::addRow("row %d, %s", r, qPrintable(ingredienti[r - 1])) << r << ingredienti[r - 1];
    }
    void everyRecipesRightChoiceAndOnlyItWins()
    {
        QFETCH(int, r);
        QFETCH(QString, ingrediente);
        QCOMPARE(tabellaProva(QStringLiteral("ricette")).value(r - 1).value(4), ingrediente);
        verificaSceltaGiusta<frmProvina14>(QStringLiteral("ricette"), r, frmProvina14::kRicette, 30);
    }

    // The two recipes every edition shares, word for word, with their
    // blanks where the commas would be.
    void theTwoSharedRecipesStandAsTheyAre_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("ricetta");
        QTest::addColumn<QStringList>("scelte");
        QTest::newRow("row 6") << 6
                               << "Preparare una mousse frullando il gorgonzola  il XXXXXXXXXX e versare la panna. Foderare "
                                  "degli stampini di pasta brisee  cuocerli in forno e farcire con la mousse."
                               << QStringList{"Parmigiano", "Mascarpone", "Prezzemolo"};
        QTest::newRow("row 42") << 42
                                << "Infarinare  salare e pepare delle scaloppine  sovrapporvi una foglia di salvia e una "
                                   "fetta di XXXXXXXXXX XXXXX. Friggere in padella con olio e burro assicurandosi che il "
                                   "prosciutto sia rivolto verso il basso."
                                << QStringList{"Salame", "Prosciutto crudo", "Prosciutto cotto"};
    }
    void theTwoSharedRecipesStandAsTheyAre()
    {
        QFETCH(int, r);
        QFETCH(QString, ricetta);
        QFETCH(QStringList, scelte);
        Chef w;
        w.fakes.random.pushDraw(r, frmProvina14::kRicette);
        frmProvina14& p = w.carica();
        QCOMPARE(p.txtDomanda.text(), ricetta);
        QCOMPARE(w.opzioni(), scelte);
    }

    // A typed ingredient is judged on its exact wording, in any case and
    // with blanks around it: another wording of the same thing loses.
    void aTypedIngredientMustBeWordedAsStored_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("scritta");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("the cut in small letters") << 42 << "prosciutto crudo" << true;
        QTest::newRow("in capitals, blanks around") << 42 << " PROSCIUTTO CRUDO " << true;
        QTest::newRow("the meat without its cut") << 42 << "prosciutto" << false;
        QTest::newRow("two blanks inside") << 42 << "prosciutto  crudo" << false;
        QTest::newRow("the cream spelt right") << 3 << "crema chantilly" << true;
        QTest::newRow("the cream with a letter missing") << 3 << "crema chatilly" << false;
        QTest::newRow("a quantity, digits and all") << 60 << "50 gr di midollo di bue" << true;
        QTest::newRow("the quantity left out") << 60 << "midollo di bue" << false;
        QTest::newRow("the plain apostrophe") << 11 << "rossi d'uovo" << true;
        QTest::newRow("a typographic apostrophe") << 11 << QStringLiteral("rossi d’uovo") << false;
        QTest::newRow("a singular for a plural") << 24 << "mela" << false;
        QTest::newRow("an accented letter") << 56 << QStringLiteral("pan carrè") << true;
    }
    void aTypedIngredientMustBeWordedAsStored()
    {
        QFETCH(int, r);
        QFETCH(QString, scritta);
        QFETCH(bool, giusta);
        Chef w;
        w.fakes.random.pushDraw(r, frmProvina14::kRicette);
        frmProvina14& p = w.carica();
        w.leggiERispondi(p, 30, {w.tasti(scritta)});
        QCOMPARE(w.R->txtRisposta.text(), scritta);
        QCOMPARE(w.M().bytGiri[1] == 1 && w.R->cmdGira1.enabled(), giusta);
    }

    // From the board's step button to a lit spin button: the recipe drawn
    // at turn 2 and read for its thirty seconds, the booking, the right
    // choice clicked.
    void fromTheBoardToASpin()
    {
        Chef w;
        bool apertaA29 = false;
        // The short challenge drawn: IL GRANDE CHEF; its recipe: the saltimbocca.
        const bool acceso = w.dalPassoAlGiro(
            {.k = 14,
             .r = 42,
             .n = 60,
             .lettura = 30,
             .risposta = w.clic(1),
             .alVia =
                 [&](frmProvina14& p) {
                     QCOMPARE(p.lblTitolo.caption(), QStringLiteral("IL GRANDE CHEF"));
                     QCOMPARE(w.opzioni(), (QStringList{"Salame", "Prosciutto crudo", "Prosciutto cotto"}));
                 },
             .inLettura =
                 [&](frmProvina14& p) {
                     QVERIFY(p.txtDomanda.visible());
                     w.loop().at(w.loop().now() + 29, [&] { apertaA29 = w.ctx->screens.find<frmProvina14>() != nullptr; });
                 }});
        QVERIFY(acceso);
        QVERIFY(apertaA29);
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda14.wav"));
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("Prosciutto crudo"));
    }
};

ZOLMERA_TEST_MAIN(TestChef)
#include "tst_frmProvina14.moc"

// "IL GRANDE CHEF": a recipe with its ingredient hidden, read for thirty
// seconds, then the board asks for the ingredient with the row's three
// choices. Played on the table the program carries.
#include "challenges/short/frmProvina14.h"
#include "testkit/breve.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
using Chef = MondoBreve<frmProvina14>;

// Loads row r and reads it to the end; then contestant 1, and after a
// wrong answer contestant 2, books and gives the next answer on the board,
// each confirmed.
void rispondi(Chef& w, int r, const QList<std::function<void()>>& risposte)
{
    w.fakes.random.pushDraw(r, frmProvina14::kRicette);
    frmProvina14& p = w.carica();
    w.click(p.cmdEsegui);
    const double t0 = w.loop().now();
    for (qsizetype k = 0; k < risposte.size(); ++k) {
        const double t = t0 + 31 + 2 * double(k);
        w.loop().at(t, [&w, k] { w.keyClick(*w.R, k == 0 ? Qt::Key_Z : Qt::Key_N, k == 0 ? "z" : "n"); });
        w.loop().at(t + 1, [&w, &risposte, k] {
            risposte[k]();
            w.click(w.R->cmdOK);
        });
    }
    w.advance(32 + 2 * double(risposte.size()));
}
bool giroConcesso(Chef& w) { return w.M().bytGiri[1] == 1 && w.R->cmdGira1.enabled(); }
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
        // Contestant 1 clicks the right choice.
        Chef giusta;
        QStringList scelte;
        rispondi(giusta, r, {[&] {
                     scelte = giusta.opzioni();
                     if (const int i = int(scelte.indexOf(ingrediente)); i >= 0)
                         giusta.click(giusta.R->txtOpzione[i]);
                 }});
        QCOMPARE(scelte.count(ingrediente), 1);
        QCOMPARE(giusta.M().strRispostaEsatta, ingrediente.toUpper());
        QCOMPARE(giusta.R->txtRisposta.text(), ingrediente);
        QCOMPARE(int(giusta.M().bytGiri[1]), 1);
        QVERIFY(giusta.R->cmdGira1.enabled());

        // Contestant 1 clicks one wrong choice, contestant 2 the other: the
        // question ends with no spin.
        QList<int> sbagliate{0, 1, 2};
        sbagliate.removeAll(int(scelte.indexOf(ingrediente)));
        Chef w;
        QStringList date;
        auto clicca = [&](int i) {
            return [&w, &date, i] {
                w.click(w.R->txtOpzione[i]);
                date << w.R->txtRisposta.text();
            };
        };
        rispondi(w, r, {clicca(sbagliate[0]), clicca(sbagliate[1])});
        QCOMPARE(date, (QStringList{scelte[sbagliate[0]], scelte[sbagliate[1]]}));
        QCOMPARE(int(w.M().bytGiri[1]), 0);
        QCOMPARE(int(w.M().bytGiri[2]), 0);
        QVERIFY(!w.R->cmdGira1.enabled() && !w.R->cmdGira2.enabled());
        QVERIFY(w.R->cmdFine.visible() && !w.R->imgPPrenota.visible());
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
        rispondi(w, r, {[&] { w.typeKeys(*w.R, scritta); }});
        QCOMPARE(w.R->txtRisposta.text(), scritta);
        QCOMPARE(giroConcesso(w), giusta);
    }

    // From the board's step button to a lit spin button: the recipe drawn
    // at turn 2 and read for its thirty seconds, the booking, the right
    // choice clicked.
    void fromTheBoardToASpin()
    {
        Chef w;
        w.touch("sounds1/domanda14.wav", onda(1));
        w.run([&] {
            w.R->turni.intTurno = 1;
            w.R->cmdFine.setCaption(QStringLiteral("Inizia prova  2"));
            w.R->cmdFine.setVisible(true);
            w.R->cmdFine.setEnabled(true);
        });
        w.fakes.random.pushDraw(14, 18);   // the short challenge drawn: IL GRANDE CHEF
        w.fakes.random.pushDraw(42, 60);   // its recipe: the saltimbocca
        w.passo();
        frmProvina14* p = w.ctx->screens.find<frmProvina14>();
        QVERIFY(p && p->visible());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("IL GRANDE CHEF"));
        QCOMPARE(w.opzioni(), (QStringList{"Salame", "Prosciutto crudo", "Prosciutto cotto"}));
        w.click(p->cmdEsegui);
        QVERIFY(p->txtDomanda.visible());
        const double t0 = w.loop().now();
        bool apertaA29 = false;
        w.loop().at(t0 + 29, [&] { apertaA29 = w.ctx->screens.find<frmProvina14>() != nullptr; });
        w.loop().at(t0 + 31, [&] { w.keyClick(*w.R, Qt::Key_Z, "z"); });
        w.loop().at(t0 + 32, [&] {
            w.click(w.R->txtOpzione[1]);
            w.click(w.R->cmdOK);
        });
        w.advance(33);
        QVERIFY(apertaA29);
        QVERIFY(!w.ctx->screens.find<frmProvina14>());
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda14.wav"));
        QCOMPARE(w.R->txtRisposta.text(), QStringLiteral("Prosciutto crudo"));
        QVERIFY(w.R->cmdGira1.enabled());
        QCOMPARE(w.R->cmdGira1.backColor(), frmRuota::kGiallo);
        QCOMPARE(int(w.M().bytGiri[1]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestChef)
#include "tst_frmProvina14.moc"

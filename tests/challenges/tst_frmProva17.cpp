// "LA SPESA E' GIUSTA": two sixty-second turns filling a shopping list, the
// bill to the cent, and the verdict on the difference from the sum, then on
// the time left.
#include "challenges/mind/frmProva17.h"
#include "platform/format.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// A row of a shopping list: the product's row in the table and the draw of
// its price between the lowest and the highest.
struct Riga {
    int r;
    double u;
};
// Prosciutto cotto at 10.00, then four products at 6.00: a quarter kilogram
// of each of those is 6.00 in all, and row 0 costs a cent a gram.
const QList<Riga> kListaA = {{43, 0}, {47, 0}, {53, 0}, {22, 0}, {4, 0}};
// The same prices from five other products: Speck at 10.00, then four at 6.00.
const QList<Riga> kListaB = {{46, 1.0 / 3}, {2, 2.0 / 3}, {19, 2.0 / 3}, {23, 2.0 / 3}, {28, 2.0 / 3}};

struct Spesa : BoardWorld {
    // primo: the contestant the load draws to start; 0 leaves the board
    // without the window, for the engine to launch it.
    explicit Spesa(int primo = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : {"regcassa", "vince", "pari", "sirena1", "sirena2", "sirena3", "ANNA", "BRUNO"})
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        R = &apri();
        if (primo == 0)
            return;
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva17>();
    }
    // The draws of the next turn's set-up: the sum to spend, then each row's
    // product and price.
    void lista(double uSomma, const QList<Riga>& righe)
    {
        fakes.random.push(uSomma);
        for (const Riga& r : righe) {
            fakes.random.pushDraw(r.r, 53);
            fakes.random.push(r.u);
        }
    }
    // Text typed into box i, which keeps the focus.
    void scrivi(int i, const QString& testo)
    {
        p->txtQta[i].setFocus();
        settle();
        p->txtQta[i].setText(testo);
    }
    // A press of the start button, with the moves at their seconds into the
    // turn; returns when the turn is over.
    void turno(const QList<std::pair<double, std::function<void()>>>& mosse = {})
    {
        inizio = loop().now();
        for (const auto& [t, mossa] : mosse)
            loop().at(inizio + t, mossa);
        click(p->cmdEsegui);
    }
    // A whole turn on a list: row 0 gets grammi, then the checkout at the
    // given second, or none (-1) and the time runs out with the box still
    // being typed in.
    void turnoCon(const QList<Riga>& righe, int grammi, double cassa)
    {
        lista(0, righe);
        if (cassa < 0) {
            fakes.random.pushDraw(1, 3);   // the siren
            turno({{1.0, [this, grammi] { scrivi(0, QString::number(grammi)); }}});
        } else {
            turno({{1.0, [this, grammi] { scrivi(0, QString::number(grammi)); }},
                   {cassa, [this] { click(p->cmdCassa); }}});
        }
    }
    QStringList quantita() const
    {
        QStringList q;
        for (int i = 0; i < frmProva17::kRighe; ++i)
            q << p->txtQta[i].text();
        return q;
    }
    QStringList prodotti() const
    {
        QStringList q;
        for (int i = 0; i < frmProva17::kRighe; ++i)
            q << p->lblProdotto[i].caption();
        return q;
    }
    QStringList suoniDopo(double t) const { return BoardWorld::suoniDopo(QStringLiteral("frmProva17"), t); }
    frmRuota* R = nullptr;
    frmProva17* p = nullptr;
    double inizio = 0;
};
}  // namespace

class TestSpesa : public QObject {
    Q_OBJECT
private slots:
    void theDrawnContestantStartsWithTheListClosed_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QString>("poi");
        QTest::newRow("ANNA") << 1 << "Inizia ANNA       " << "Ora tocca a BRUNO      ";
        QTest::newRow("BRUNO") << 2 << "Inizia BRUNO      " << "Ora tocca a ANNA       ";
    }
    void theDrawnContestantStartsWithTheListClosed()
    {
        QFETCH(int, primo);
        QFETCH(QString, didascalia);
        QFETCH(QString, poi);
        Spesa w(primo);
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QVERIFY(w.p->cmdEsegui.enabled());
        QVERIFY(!w.p->Frame1.enabled() && w.p->Frame1.visible());
        QVERIFY(!w.p->Frame2.visible());
        QCOMPARE(w.p->lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        QCOMPARE(w.p->lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE(w.p->lblSomma.caption(), QStringLiteral("Somma da spendere: €. 0,00"));
        QCOMPARE(w.p->varProdotti.size(), 53);

        w.lista(0, kListaA);
        w.turno({{2.0, [&] {
                      QVERIFY(w.p->Frame1.enabled());
                      QVERIFY(!w.p->cmdEsegui.enabled());
                      w.click(w.p->cmdCassa);
                  }}});
        QCOMPARE(w.p->cmdEsegui.caption(), poi);
        QVERIFY(w.p->cmdEsegui.enabled());
        QVERIFY(!w.p->Frame1.enabled());
        QCOMPARE(w.p->lblSecondi[primo - 1].caption(), QStringLiteral("58,00"));
        QCOMPARE(w.p->lblSecondi[2 - primo].caption(), QStringLiteral("60,00"));
        // Nothing of the difference shows before the verdict.
        QCOMPARE(w.p->lblPunti[primo - 1].caption(), QStringLiteral("€. 0,00"));
    }

    // The sum to spend and the prices are drawn as money and shown to the
    // cent, half a cent up.
    void theListIsDrawnToTheCent_data()
    {
        QTest::addColumn<double>("uSomma");
        QTest::addColumn<QString>("somma");
        QTest::addColumn<double>("uPrezzo");   // Olio d'oliva, 2.50 to 3.50
        QTest::addColumn<QString>("prezzo");
        QTest::newRow("lowest") << 0.0 << "30,00" << 0.0 << "2,50";
        QTest::newRow("below half a cent") << 0.123456 << "32,47" << 0.0049 << "2,50";
        QTest::newRow("half a cent up") << 0.00025 << "30,01" << 0.005 << "2,51";
        QTest::newRow("highest") << 0.9999999 << "50,00" << 0.9999999 << "3,50";
    }
    void theListIsDrawnToTheCent()
    {
        QFETCH(double, uSomma);
        QFETCH(QString, somma);
        QFETCH(double, uPrezzo);
        QFETCH(QString, prezzo);
        Spesa w;
        w.lista(uSomma, {{3, uPrezzo}, {1, 0.5}, {53, 0}, {26, 0.5}, {13, 0.25}});
        QStringList mostrati;
        w.turno({{1.0, [&] {
                      for (int i = 0; i < frmProva17::kRighe; ++i)
                          mostrati << w.p->lblPrezzo[i].caption();
                      w.click(w.p->cmdCassa);
                  }}});
        QCOMPARE(w.p->lblSomma.caption(), QStringLiteral("Somma da spendere: €. ") + somma);
        QCOMPARE(w.prodotti(), (QStringList{"Olio d'oliva", "Pan carrè", "Caffè", "Farina tipo 00", "Latte parz. scremato"}));
        // Pan carrè 0.50 to 1.50, Farina 0.20 to 0.75 (0.475 up), Latte 0.50 to 1.00.
        QCOMPARE(mostrati, (QStringList{prezzo, "1,00", "6,00", "0,48", "0,63"}));
        QCOMPARE(formatValuta(w.p->curSomma[1]), somma);
    }

    // Typing, the arrows and leaving a box; the bill reads the quantity left
    // in row 0 (10.00 a kilogram) beside the four quarter kilograms (6.00).
    void quantities_data()
    {
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<QString>("mossa");   // how the box is left, or "suono" for the bell
        QTest::addColumn<QString>("resta");
        QTest::addColumn<QString>("spesa");
        QTest::newRow("29950 up") << "29950" << "+" << "30000" << "306,00";
        QTest::newRow("30000 up: the top") << "30000" << "+" << "30000" << "306,00";
        QTest::newRow("300 down") << "300" << "-" << "250" << "8,50";
        QTest::newRow("299 down: stays") << "299" << "-" << "299" << "8,99";
        QTest::newRow("250 down: the bottom") << "250" << "-" << "250" << "8,50";
        QTest::newRow("0 left") << "0" << "lascia" << "250" << "8,50";
        QTest::newRow("abc left") << "abc" << "lascia" << "250" << "8,50";
        QTest::newRow("100 left") << "100" << "lascia" << "250" << "8,50";
        QTest::newRow("30001 left") << "30001" << "lascia" << "30000" << "306,00";
        QTest::newRow("12345 stays") << "12345" << "lascia" << "12345" << "129,45";
        // 12.345 on the row: the bill's half cent goes up.
        QTest::newRow("1234.5 stays, counts a half gram") << "1234.5" << "lascia" << "1234.5" << "18,35";
        QTest::newRow("1234,5 stays, counts 1234 grams") << "1234,5" << "lascia" << "1234,5" << "18,34";
        QTest::newRow("1234.5 up: halves to even") << "1234.5" << "+" << "1284" << "18,84";
        QTest::newRow("1235.5 up: halves to even") << "1235.5" << "+" << "1286" << "18,86";
        QTest::newRow("abc up: corrected before the click") << "abc" << "+" << "300" << "9,00";
        QTest::newRow("abc at the checkout") << "abc" << "cassa" << "250" << "8,50";
        QTest::newRow("1234,5 at the checkout") << "1234,5" << "cassa" << "1234,5" << "18,34";
        QTest::newRow("-5000 at the bell") << "-5000" << "suono" << "250" << "8,50";
        QTest::newRow("25 digits at the bell") << "1234567890123456789012345" << "suono" << "30000" << "306,00";
        QTest::newRow("abc at the bell") << "abc" << "suono" << "250" << "8,50";
        QTest::newRow("1234,5 at the bell") << "1234,5" << "suono" << "1234,5" << "18,34";
    }
    void quantities()
    {
        QFETCH(QString, scritto);
        QFETCH(QString, mossa);
        QFETCH(QString, resta);
        QFETCH(QString, spesa);
        Spesa w;
        w.lista(0, kListaA);
        if (mossa == "suono")
            w.fakes.random.pushDraw(2, 3);
        QString lasciato;
        w.turno({{1.0, [&] {
                      w.scrivi(0, scritto);
                      if (mossa == "+")
                          w.click(w.p->cmdAggiungi[0]);
                      else if (mossa == "-")
                          w.click(w.p->cmdRiduci[0]);
                      else if (mossa == "lascia")
                          w.click(w.p->txtQta[1]);
                      lasciato = w.p->txtQta[0].text();
                      if (mossa != "suono")
                          w.click(w.p->cmdCassa);
                  }}});
        if (mossa != "suono" && mossa != "cassa")
            QCOMPARE(lasciato, resta);
        QCOMPARE(w.p->txtQta[0].text(), resta);
        QCOMPARE(formatValuta(w.p->curSpesa[1]), spesa);
        // The sum to spend is 30.00.
        QCOMPARE(w.p->curScarto[1], (w.p->curSpesa[1] - Valuta::da(30)).assoluto());
        const QStringList suoni = w.fakes.audio.played("frmProva17.mmcSonoro");
        QCOMPARE(suoni, mossa == "suono" ? QStringList{"sirena2.wav"} : QStringList{"regcassa.wav"});
        QCOMPARE(w.p->lblSecondi[0].caption(), mossa == "suono" ? QStringLiteral("00,00") : QStringLiteral("59,00"));
    }

    // The arrows step by 50 grams between 250 and 30000, whichever row.
    void theArrowsStepEachRow()
    {
        Spesa w;
        w.lista(0, kListaA);
        QStringList dopo;
        w.turno({{1.0, [&] {
                      w.click(w.p->cmdAggiungi[4]);
                      w.click(w.p->cmdAggiungi[4]);
                      w.click(w.p->cmdAggiungi[2]);
                      w.click(w.p->cmdRiduci[2]);
                      w.click(w.p->cmdRiduci[1]);
                      dopo = w.quantita();
                      w.click(w.p->cmdCassa);
                  }}});
        QCOMPARE(dopo, (QStringList{"250", "250", "250", "250", "350"}));
        // 6.00 a kilogram on row 4: a tenth of a kilogram more is 0.60.
        QCOMPARE(formatValuta(w.p->curSpesa[1]), QStringLiteral("9,10"));
    }

    // At once: a quarter kilogram of each, far below any sum to spend.
    void anImmediateCheckout()
    {
        Spesa w;
        // The dearest products at nearly their highest prices.
        w.lista(0, {{43, 0.9999999}, {46, 0.9999999}, {48, 0.9999999}, {44, 0.9999999}, {49, 0.9999999}});
        w.turno({{0.0, [&] { w.click(w.p->cmdCassa); }}});
        QCOMPARE(formatValuta(w.p->curSpesa[1]), QStringLiteral("14,25"));
        QVERIFY(w.p->curSpesa[1] <= Valuta::da(17.5));
        QCOMPARE(formatValuta(w.p->curScarto[1]), QStringLiteral("15,75"));
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("60,00"));
        QCOMPARE(w.loop().now(), w.inizio);
    }

    void theVerdict_data()
    {
        QTest::addColumn<int>("grammi1");
        QTest::addColumn<double>("cassa1");   // seconds into the turn; -1: the time runs out
        QTest::addColumn<int>("grammi2");
        QTest::addColumn<double>("cassa2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QStringList>("scarti");
        QTest::addColumn<QStringList>("tempi");
        // Sums of 30.00; 2500 grams bill 31.00, 2300 grams 29.00.
        QTest::newRow("the smaller difference wins") << 2500 << 3.0 << 2350 << 20.0 << "Vince BRUNO      " << 2
                                                     << QList<int>{0, 1} << "vince" << QStringList{"1,00", "0,50"}
                                                     << QStringList{"57,00", "40,00"};
        QTest::newRow("over or under alike: more time left wins")
            << 2500 << 10.0 << 2300 << 5.0 << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince"
            << QStringList{"1,00", "1,00"} << QStringList{"50,00", "55,00"};
        QTest::newRow("a time-out loses an equal difference")
            << 2300 << 59.5 << 2500 << -1.0 << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince"
            << QStringList{"1,00", "1,00"} << QStringList{"00,50", "00,00"};
        QTest::newRow("a time-out with the smaller difference wins")
            << 3100 << 2.0 << 2900 << -1.0 << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince"
            << QStringList{"7,00", "5,00"} << QStringList{"58,00", "00,00"};
        QTest::newRow("both timed out, equal differences: a tie")
            << 2500 << -1.0 << 2300 << -1.0 << "Gara in parità!" << 1 << QList<int>{1, 1} << "pari"
            << QStringList{"1,00", "1,00"} << QStringList{"00,00", "00,00"};
        QTest::newRow("the same second at the checkout: a tie")
            << 2300 << 30.0 << 2300 << 30.0 << "Gara in parità!" << 1 << QList<int>{1, 1} << "pari"
            << QStringList{"1,00", "1,00"} << QStringList{"30,00", "30,00"};
    }
    void theVerdict()
    {
        QFETCH(int, grammi1);
        QFETCH(double, cassa1);
        QFETCH(int, grammi2);
        QFETCH(double, cassa2);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        QFETCH(QStringList, scarti);
        QFETCH(QStringList, tempi);
        Spesa w;
        w.turnoCon(kListaA, grammi1, cassa1);
        w.advance(4);
        w.turnoCon(kListaB, grammi2, cassa2);
        const double verdetto = w.loop().now();
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QVERIFY(w.p->cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QVERIFY(!w.p->Frame1.visible() && !w.p->Frame1.enabled());
        QVERIFY(w.p->Frame2.visible());
        QCOMPARE(w.p->lblGioc1.caption(), QStringLiteral("ANNA       "));
        QCOMPARE(w.p->lblGioc2.caption(), QStringLiteral("BRUNO      "));
        const auto conto = [](int g) { return formatDecimali(6 + g / 100.0); };
        QCOMPARE((QStringList{w.p->lblSpesa1.caption(), w.p->lblSpesa2.caption()}),
                 (QStringList{conto(grammi1), conto(grammi2)}));
        QCOMPARE((QStringList{w.p->lblSomma1.caption(), w.p->lblSomma2.caption()}), (QStringList{"30,00", "30,00"}));
        QCOMPARE((QStringList{w.p->lblScarto1.caption(), w.p->lblScarto2.caption()}), scarti);
        QCOMPARE((QStringList{w.p->lblPunti[0].caption(), w.p->lblPunti[1].caption()}), scarti);
        QCOMPARE((QStringList{w.p->lblSecondi[0].caption(), w.p->lblSecondi[1].caption()}), tempi);
        QCOMPARE(QFileInfo(w.p->mmcSonoro.fileName()).fileName(), suono + ".wav");
        // The voice of the winner, or of contestant 1 after a tie, 2.5 s later.
        const QString voce = concorrente == 1 ? "ANNA.wav" : "BRUNO.wav";
        w.advance(2.4);
        QVERIFY(!w.suoniDopo(verdetto).contains(voce));
        w.advance(0.2);
        // After the till or the siren of the last turn, in the same instant.
        QCOMPARE(w.suoniDopo(verdetto).mid(1), (QStringList{suono + ".wav", voce}));
    }

    // The two lists show ten different products, and the table's rows are
    // used up, even when the generator gives the same number every time.
    void tenDifferentProductsEvenFromAStuckGenerator_data()
    {
        QTest::addColumn<double>("u");
        QTest::addColumn<QString>("primo");
        QTest::newRow("always 0") << 0.0 << "Pan carrè";
        QTest::newRow("always 0.13") << 0.13 << "Confettura di frutta";
        QTest::newRow("always nearly 1") << 0.9999999 << "Caffè";
    }
    void tenDifferentProductsEvenFromAStuckGenerator()
    {
        QFETCH(double, u);
        QFETCH(QString, primo);
        Spesa w;
        for (int i = 0; i < 40; ++i)
            w.fakes.random.push(u);
        QStringList nomi;
        w.turno({{1.0, [&] {
                      w.scrivi(3, "4000");
                      w.click(w.p->cmdCassa);
                  }}});
        nomi << w.prodotti();
        QCOMPARE(nomi.first(), primo);
        const QString somma = w.p->lblSomma.caption();
        w.turno({{1.0, [&] {
                      // The second list starts again from a quarter kilogram.
                      QCOMPARE(w.quantita(), QStringList(5, "250"));
                      w.click(w.p->cmdCassa);
                  }}});
        nomi << w.prodotti();
        QCOMPARE(QSet<QString>(nomi.cbegin(), nomi.cend()).size(), nomi.size());
        QVERIFY(!nomi.contains(QString()));
        int usati = 0;
        for (const auto& prodotto : w.p->varProdotti)
            usati += prodotto.nome.isEmpty() ? 1 : 0;
        QCOMPARE(usati, 10);
        QCOMPARE(w.p->lblSomma.caption(), somma);   // the same draw, the same sum
    }

    // Sounds go by their switches: the till by the effects', the siren and
    // the verdict by the voice's.
    void soundSwitches_data()
    {
        QTest::addColumn<QString>("effetti");
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QStringList>("sentiti");
        QTest::newRow("both on") << "Play" << "Play" << QStringList{"regcassa.wav", "sirena1.wav", "vince.wav", "ANNA.wav"};
        QTest::newRow("effects off") << "" << "Play" << QStringList{"sirena1.wav", "vince.wav", "ANNA.wav"};
        QTest::newRow("voice off") << "Play" << "" << QStringList{"regcassa.wav"};
    }
    void soundSwitches()
    {
        QFETCH(QString, effetti);
        QFETCH(QString, parlato);
        QFETCH(QStringList, sentiti);
        Spesa w;
        w.M().strEffetti = effetti;
        w.M().strParlato = parlato;
        w.turnoCon(kListaA, 2500, 5.0);
        w.turnoCon(kListaB, 2000, -1);
        w.advance(3);
        QCOMPARE(w.fakes.audio.played("frmProva17.mmcSonoro"), sentiti);
    }

    // Between the turns and after the verdict the list takes nothing: its
    // controls are shut, and a click that still came would change nothing.
    void nothingChangesOutsideATurn_data()
    {
        QTest::addColumn<bool>("verdetto");
        QTest::newRow("between the turns") << false;
        QTest::newRow("after the verdict") << true;
    }
    void nothingChangesOutsideATurn()
    {
        QFETCH(bool, verdetto);
        Spesa w;
        w.turnoCon(kListaA, 2500, 5.0);
        if (verdetto)
            w.turnoCon(kListaB, 2000, 5.0);
        const QString caption = w.p->cmdEsegui.caption();
        const QStringList quantita = w.quantita();
        const Valuta spesa = w.p->curSpesa[1];
        w.fakes.audio.clear();
        w.click(w.p->cmdCassa);
        w.click(w.p->cmdAggiungi[0]);
        w.run([&] {
            w.p->cmdCassa_Click();
            w.p->cmdAggiungi_Click(1);
            w.p->cmdRiduci_Click(0);
        });
        QCOMPARE(w.quantita(), quantita);
        QCOMPARE(w.p->curSpesa[1], spesa);
        QCOMPARE(w.p->cmdEsegui.caption(), caption);
        QCOMPARE(w.fakes.audio.played(), QStringList{});
    }

    // A second click at the checkout before the clock has seen the first
    // bills nothing again.
    void theCheckoutBillsOnce()
    {
        Spesa w;
        w.lista(0, kListaA);
        w.turno({{2.0, [&] {
                      w.click(w.p->cmdCassa);
                      w.p->txtQta[0].setText("5000");
                      w.run([&] { w.p->cmdCassa_Click(); });
                  }}});
        QCOMPARE(formatValuta(w.p->curSpesa[1]), QStringLiteral("8,50"));
        QCOMPARE(w.fakes.audio.played("frmProva17.mmcSonoro"), QStringList{"regcassa.wav"});
    }

    void abandoningDuringATurn_data()
    {
        QTest::addColumn<bool>("conEsci");
        QTest::addColumn<int>("risposta");
        QTest::newRow("close box, No: the turn goes on") << false << mb::No;
        QTest::newRow("close box, Yes") << false << mb::Yes;
        QTest::newRow("Esci, Yes") << true << mb::Yes;
    }
    // The close comes in the second turn, whose end would bring the verdict.
    void abandoningDuringATurn()
    {
        QFETCH(bool, conEsci);
        QFETCH(int, risposta);
        Spesa w;
        w.turnoCon(kListaA, 2500, 5.0);
        w.fakes.messages.setNextAnswer(risposta);
        w.lista(0, kListaB);
        w.fakes.random.pushDraw(1, 3);
        w.turno({{5.0, [&] {
                      w.scrivi(0, "2400");
                      if (conEsci)
                          w.p->Esci.click();
                      else
                          w.p->window()->close();
                  }},
                 {8.0, [&] {
                      if (w.ctx->screens.find<frmProva17>())
                          w.click(w.p->cmdAggiungi[0]);
                  }}});
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            // The deadline held: the turn ran its sixty seconds.
            QVERIFY(qAbs(w.loop().now() - w.inizio - 60) < 0.01);
            QCOMPARE(w.p->txtQta[0].text(), QStringLiteral("2450"));
            QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
            return;
        }
        QVERIFY(w.loop().now() - w.inizio < 8);
        w.nullaDopoAbbandono(QStringLiteral("frmProva17"), 120);
    }

    // Handing back before the tie's voice: the voice never comes.
    void aHandBackBeforeTheVoiceSilencesIt()
    {
        Spesa w;
        w.turnoCon(kListaA, 2500, -1);
        w.turnoCon(kListaB, 2300, -1);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Gara in parità!"));
        const double verdetto = w.loop().now();
        w.advance(1);
        w.click(w.p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva17>());
        w.advance(5);
        QCOMPARE(w.suoniDopo(verdetto).mid(1), QStringList{"pari.wav"});
        QVERIFY(w.R->cmdGira1.enabled() && !w.R->cmdGira2.enabled());
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), (QList<int>{1, 1}));
    }

    void helpOpensTheWindowsOwnPage()
    {
        Spesa w;
        w.keyClick(*w.p, Qt::Key_F1);
        w.run([&] { w.p->Guida.click(); });
        QCOMPARE(w.fakes.help.topics, (QList<int>{44, 44}));
    }

    void aDuelLaunchedFromTheBoardHandsItsVerdictBack()
    {
        Spesa w(0);
        frmRuota& R = *w.R;
        w.fakes.random.pushDraw(17, 20);   // LA SPESA E' GIUSTA
        w.fakes.random.pushDraw(2, 2);     // BRUNO starts
        w.passo();
        auto* p = w.ctx->screens.find<frmProva17>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));
        // Each types into the first box, as a player does.
        const auto compra = [&](int grammi, bool cassa) {
            w.click(p->txtQta[0]);
            w.keyClick(*p, Qt::Key_End);
            for (int i = 0; i < 3; ++i)
                w.keyClick(*p, Qt::Key_Backspace);
            w.typeKeys(*p, QString::number(grammi));
            if (cassa)
                w.click(p->cmdCassa);
        };
        // BRUNO spends his 30.00 to the cent; ANNA lets the time run out
        // with thirty kilograms in her list.
        w.lista(0, kListaA);
        w.loop().at(w.loop().now() + 4.0, [&] { compra(2400, true); });
        w.click(p->cmdEsegui);
        QCOMPARE(p->txtQta[0].text(), QStringLiteral("2400"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        QVERIFY(p->lblSecondi[1].caption().startsWith(QStringLiteral("55,")));
        w.advance(2.0);
        w.lista(0, kListaB);
        w.loop().at(w.loop().now() + 1.0, [&] { compra(30000, false); });
        w.click(p->cmdEsegui);
        QCOMPARE(p->lblSecondi[0].caption(), QStringLiteral("00,00"));
        QCOMPARE((QStringList{p->lblSpesa1.caption(), p->lblSpesa2.caption()}), (QStringList{"306,00", "30,00"}));
        QCOMPARE((QStringList{p->lblScarto1.caption(), p->lblScarto2.caption()}), (QStringList{"276,00", "0,00"}));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        w.keyClick(*p, Qt::Key_Return, "\r");
        QVERIFY(!w.ctx->screens.find<frmProva17>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled() && !R.cmdGira1.enabled());
        QCOMPARE(int(w.M().bytGiri[2]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestSpesa)
#include "tst_frmProva17.moc"

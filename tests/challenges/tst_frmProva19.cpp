// "PRIMA O DOPO": three questions answered at once on the keyboard, each
// after a three-second lead-in and within ten seconds, then the results.
#include "challenges/mind/frmProva19.h"
#include "records/tabella.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QRegularExpression>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
const char* const kSuoni[] = {"primadopo1", "primadopo2", "primadopo3", "sirena1", "sirena2", "sirena3",
                              "moltobene",  "vince",      "pari",       "nullo1",  "nullo2",  "nullo3",
                              "ANNA",       "BRUNO"};
const QString kAnna = QStringLiteral("ANNA       ");
const QString kBruno = QStringLiteral("BRUNO      ");

using Domande = QList<std::pair<int, int>>;   // row 1..50 and field 2..4 of each question
using Tasti = QList<std::pair<double, QString>>;   // a typed character, seconds after the start press

struct PrimaDopo : BoardWorld {
    explicit PrimaDopo(const Domande& domande = {{1, 2}, {1, 3}, {1, 4}}, bool voce = true)
    {
        M().strParlato = voce ? QStringLiteral("Play") : QString();
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : kSuoni)
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(1.0));
        R = &apri();
        prepara(domande);
        p = &apriProva<frmProva19>();
    }
    // The draws of the load: each question's row, then its field.
    void prepara(const Domande& domande)
    {
        scelte = domande;
        for (const auto& [r, f] : domande) {
            fakes.random.pushDraw(r, 50);
            fakes.random.pushDraw(f - 1, 3);
        }
    }
    // Question q as the table has it: event, reference event, right answer.
    QStringList domanda(int q) const
    {
        const auto [r, f] = scelte[q - 1];
        const QStringList riga = tabellaProva(QStringLiteral("primadopo")).value(r - 1);
        return {riga.value(frmProva19::campoEvento(f - 2)), riga.value(frmProva19::kCampoRiferimento),
                riga.value(frmProva19::campoRisposta(f - 2))};
    }
    QString giusta(int q) const { return domanda(q)[2]; }
    QString sbagliata(int q) const { return giusta(q) == QLatin1String("PRIMA") ? "DOPO" : "PRIMA"; }
    // The key contestant k presses for an answer: ANNA A and D, BRUNO J and L.
    static QString tasto(int k, const QString& risposta)
    {
        const bool prima = risposta == QLatin1String("PRIMA");
        return k == 1 ? (prima ? "a" : "d") : (prima ? "j" : "l");
    }
    // Presses the start button with keys typed at their moments; returns
    // when the start button's handler has.
    void gioca(const Tasti& tasti = {}, const QList<std::pair<double, std::function<void()>>>& altro = {})
    {
        inizio = loop().now();
        for (const auto& [t, c] : tasti)
            loop().at(inizio + t, [this, c] {
                // Not into a window the player has closed meanwhile.
                if (ctx->screens.find<frmProva19>())
                    typeKeys(*p, c);
            });
        for (const auto& [t, fn] : altro)
            loop().at(inizio + t, fn);
        click(p->cmdEsegui);
    }
    double trascorso() { return loop().now() - inizio; }
    // Whether a moment of the game, in seconds from the start press, is the
    // one expected: a time-out ends a hair after its deadline, and a key
    // typed takes the moment its release is held back.
    static bool circa(double t, double atteso) { return qAbs(t - atteso) < 0.02; }
    // Sounds of the window, a siren whatever its number.
    QStringList suoni() const
    {
        return fakes.audio.played(QStringLiteral("frmProva19.mmcSonoro"))
            .replaceInStrings(QRegularExpression(QStringLiteral("^sirena[123]\\.wav$")), QStringLiteral("sirena"))
            .replaceInStrings(QRegularExpression(QStringLiteral("^nullo[123]\\.wav$")), QStringLiteral("nullo"));
    }
    double quando(const QString& suono) const
    {
        for (const auto& e : fakes.audio.events)
            if (QFileInfo(e.file).fileName() == suono)
                return e.at - inizio;
        return -1;
    }
    QStringList risposte(int k) const
    {
        return {p->strScelte[k][1], p->strScelte[k][2], p->strScelte[k][3]};
    }
    // Each contestant's key caps: "+" in his colour, "#" black.
    QString tasti() const
    {
        auto stato = [](const Label& a, const Label& b, quint32 colore) {
            return a.backColor() == colore && b.backColor() == colore               ? QStringLiteral("+")
                   : a.backColor() == frmProva19::kRisposto && b.backColor() == frmProva19::kRisposto ? QStringLiteral("#")
                                                                                           : QStringLiteral("?");
        };
        return stato(p->lblVero1, p->lblFalso1, frmProva19::kTasti1) + stato(p->lblVero2, p->lblFalso2, frmProva19::kTasti2);
    }
    frmRuota* R = nullptr;
    frmProva19* p = nullptr;
    Domande scelte;
    double inizio = 0;
};
}  // namespace

class TestPrimaDopo : public QObject {
    Q_OBJECT
private slots:
    void theLoadDrawsThreeQuestionsEachOnItsOwn_data()
    {
        QTest::addColumn<Domande>("domande");
        QTest::newRow("three events of one row") << Domande{{1, 2}, {1, 3}, {1, 4}};
        QTest::newRow("the same question twice") << Domande{{50, 4}, {7, 2}, {50, 4}};
        QTest::newRow("three rows") << Domande{{2, 3}, {33, 2}, {49, 4}};
    }
    void theLoadDrawsThreeQuestionsEachOnItsOwn()
    {
        QFETCH(Domande, domande);
        PrimaDopo w(domande);
        frmProva19& p = *w.p;
        for (int q = 1; q <= 3; ++q) {
            const QStringList attesa = w.domanda(q);
            QVERIFY(!attesa[0].isEmpty());
            QCOMPARE((QStringList{p.strDomande[q][1], p.strDomande[q][2], p.strDomande[q][3]}), attesa);
        }
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QVERIFY(p.Frame1.visible() && !p.Frame2.visible());
        QCOMPARE((QStringList{p.lblGiocatore[0].caption(), p.lblGiocatore[1].caption(), p.lblTasti1.caption(),
                              p.lblTasti2.caption()}),
                 (QStringList{kAnna, kBruno, kAnna, kBruno}));
        QCOMPARE((QStringList{p.lblVero1.caption(), p.lblFalso1.caption(), p.lblVero2.caption(), p.lblFalso2.caption()}),
                 (QStringList{"A", "D", "J", "L"}));
        QCOMPARE(w.tasti(), QStringLiteral("++"));
        QCOMPARE(p.lblEvento[0].caption(), QString());
        QCOMPARE(p.lblNDom.caption(), QStringLiteral("Domanda"));
        QCOMPARE(p.lblOrologio.caption(), QStringLiteral("10"));
        // Keys before the start answer nothing.
        w.typeKeys(p, "adjl");
        QCOMPARE(w.tasti(), QStringLiteral("++"));
    }

    // A key typed while the question is being announced waits for the
    // events to be on screen, then counts for that question; with both
    // answered the next lead-in starts at once.
    void keysInTheLeadInCountOnceTheEventsShow()
    {
        PrimaDopo w;
        frmProva19& p = *w.p;
        QStringList durante;
        w.gioca({{1.0, "aD"}, {2.0, "L"}},
                {{2.5, [&] {
                      durante << p.lblNDom.caption() << p.lblEvento[0].caption() << p.lblEvento[1].caption()
                              << w.tasti() << p.strScelte[1][1] << p.strScelte[2][1];
                  }},
                 {3.5, [&] {
                      durante << p.lblNDom.caption() << p.lblEvento[0].caption() << p.lblOrologio.caption()
                              << w.tasti() << p.strScelte[1][1] << p.strScelte[2][1];
                  }}});
        QCOMPARE(durante, (QStringList{"Domanda 1", "", "", "++", "", "",
                                       // the second question's lead-in, from 3.0 s
                                       "Domanda 2", "", "10", "++", "PRIMA", "DOPO"}));
        QVERIFY(PrimaDopo::circa(w.quando("primadopo2.wav"), 3.0));
        QCOMPARE(w.suoni().mid(0, 3), (QStringList{"primadopo1.wav", "primadopo2.wav", "sirena"}));
        QCOMPARE(w.risposte(1), (QStringList{"PRIMA", "", ""}));
        QCOMPARE(w.risposte(2), (QStringList{"DOPO", "", ""}));
        QVERIFY(PrimaDopo::circa(w.quando("primadopo3.wav"), 3.0 + 13.0));
        QVERIFY(PrimaDopo::circa(w.trascorso(), 3.0 + 13.0 + 13.0));
    }

    void theFirstKeyOfAContestantIsFinal_data()
    {
        QTest::addColumn<QString>("digitati");
        QTest::addColumn<QString>("anna");
        QTest::addColumn<QString>("bruno");
        QTest::addColumn<QString>("tasti");
        QTest::newRow("A then D") << "ad" << "PRIMA" << "" << "#+";
        QTest::newRow("upper-case D then A") << "DA" << "DOPO" << "" << "#+";
        QTest::newRow("the same key again") << "dd" << "DOPO" << "" << "#+";
        QTest::newRow("L then upper-case J") << "lJ" << "" << "DOPO" << "+#";
        QTest::newRow("both, J first") << "Ja" << "PRIMA" << "PRIMA" << "##";
        QTest::newRow("other keys") << "sxkz 1" << "" << "" << "++";
    }
    void theFirstKeyOfAContestantIsFinal()
    {
        QFETCH(QString, digitati);
        QFETCH(QString, anna);
        QFETCH(QString, bruno);
        QFETCH(QString, tasti);
        PrimaDopo w;
        QString visti;
        // The caps as the typing leaves them, before the game moves on.
        w.gioca({}, {{5.0, [&] {
                          w.typeKeys(*w.p, digitati);
                          visti = w.tasti();
                      }}});
        QCOMPARE(visti, tasti);
        QCOMPARE(w.risposte(1), (QStringList{anna, "", ""}));
        QCOMPARE(w.risposte(2), (QStringList{bruno, "", ""}));
    }

    // A question ends when both have answered, else after its ten seconds
    // with the siren; the next one is announced at once either way.
    void aQuestionEndsEarlyOnlyWhenBothHaveAnswered_data()
    {
        QTest::addColumn<Tasti>("tasti");
        QTest::addColumn<QStringList>("suoni");
        QTest::addColumn<double>("durata");
        QTest::newRow("nobody answers") << Tasti{} << QStringList{"primadopo1.wav", "sirena", "primadopo2.wav", "sirena",
                                                                  "primadopo3.wav", "sirena", "nullo"}
                                        << 39.0;
        QTest::newRow("both answer every question")
            << Tasti{{4.0, "a"}, {4.5, "j"}, {8.0, "dl"}, {11.25, "jd"}}
            << QStringList{"primadopo1.wav", "primadopo2.wav", "primadopo3.wav"} << 11.25;
        QTest::newRow("one of them misses the second question")
            << Tasti{{3.5, "la"}, {7.0, "d"}, {17.0, "d"}, {17.5, "l"}}
            << QStringList{"primadopo1.wav", "primadopo2.wav", "sirena", "primadopo3.wav"} << 19.5;
    }
    void aQuestionEndsEarlyOnlyWhenBothHaveAnswered()
    {
        QFETCH(Tasti, tasti);
        QFETCH(QStringList, suoni);
        QFETCH(double, durata);
        PrimaDopo w;
        w.gioca(tasti);
        QVERIFY2(PrimaDopo::circa(w.trascorso(), durata), qPrintable(QString::number(w.trascorso())));
        // The verdict's sound follows what the game played.
        QCOMPARE(w.suoni().mid(0, suoni.size()), suoni);
        QCOMPARE(w.p->intDomanda, 4);
        QVERIFY(w.p->cmdEsegui.enabled());
        if (tasti.isEmpty())
            QCOMPARE(w.p->lblOrologio.caption(), QStringLiteral("00"));
    }

    void theResultsDecideTheSpin_data()
    {
        QTest::addColumn<int>("giuste1");
        QTest::addColumn<int>("giuste2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("turno");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QStringList>("verdetto");
        QTest::newRow("1 to 0: ANNA wins") << 1 << 0 << "Vince " + kAnna << 1 << QList<int>{1, 0}
                                           << QStringList{"vince.wav", "ANNA.wav"};
        QTest::newRow("2 to 3: BRUNO wins, very well") << 2 << 3 << "Vince " + kBruno << 2 << QList<int>{0, 1}
                                                       << QStringList{"moltobene.wav", "vince.wav", "BRUNO.wav"};
        QTest::newRow("2 to 2: a tie") << 2 << 2 << "Gara in parità!" << 1 << QList<int>{1, 1} << QStringList{"pari.wav"};
        QTest::newRow("0 to 0 though both answered: void") << 0 << 0 << "Gioco nullo!" << 0 << QList<int>{0, 0}
                                                           << QStringList{"nullo"};
    }
    void theResultsDecideTheSpin()
    {
        QFETCH(int, giuste1);
        QFETCH(int, giuste2);
        QFETCH(QString, didascalia);
        QFETCH(int, turno);
        QFETCH(QList<int>, giri);
        QFETCH(QStringList, verdetto);
        PrimaDopo w({{3, 2}, {3, 3}, {3, 4}});
        frmProva19& p = *w.p;
        // Both answer every question in its lead-in: each lasts 3 seconds.
        Tasti tasti;
        for (int q = 1; q <= 3; ++q)
            tasti << std::pair{3.0 * q - 2, w.tasto(1, q <= giuste1 ? w.giusta(q) : w.sbagliata(q)) +
                                                w.tasto(2, q <= giuste2 ? w.giusta(q) : w.sbagliata(q))};
        w.gioca(tasti);
        QVERIFY(PrimaDopo::circa(w.trascorso(), 9.0));
        QVERIFY(!p.Frame1.visible() && p.Frame2.visible());
        QCOMPARE(p.lblGiocatore[3].caption(), kAnna);
        QCOMPARE(p.lblGiocatore[2].caption(), kBruno);
        for (int q = 1; q <= 3; ++q) {
            QCOMPARE(p.lblRispGiusta[q - 1].caption(), w.giusta(q));
            const Label* esiti[2] = {&p.lblEsito1[q - 1], &p.lblEsito2[q - 1]};
            const int giuste[2] = {giuste1, giuste2};
            for (int k = 0; k < 2; ++k) {
                const bool si = q <= giuste[k];
                QCOMPARE(esiti[k]->caption(), si ? QStringLiteral("Si") : QStringLiteral("No"));
                QCOMPARE(esiti[k]->foreColor(), si ? frmProva19::kSi : frmProva19::kNo);
            }
        }
        QCOMPARE((QStringList{p.lblNRisp1.caption(), p.lblNRisp2.caption(), p.lblPunti[0].caption(), p.lblPunti[1].caption()}),
                 (QStringList{QString::number(giuste1), QString::number(giuste2), QString::number(giuste1),
                              QString::number(giuste2)}));
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), turno);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);

        // Keys after the verdict change nothing; the winner is hailed 2.5 s on.
        const QStringList prima1 = w.risposte(1), prima2 = w.risposte(2);
        w.typeKeys(p, "adjlADJL");
        w.advance(3);
        QCOMPARE(w.risposte(1), prima1);
        QCOMPARE(w.risposte(2), prima2);
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QCOMPARE(w.suoni().mid(3), verdetto);
        if (didascalia.startsWith(QLatin1String("Vince")))
            QVERIFY(PrimaDopo::circa(w.quando(verdetto.last()), 9.0 + 2.5));

        w.click(p.cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva19>());
        QVERIFY(w.R->enabled());
        // After a tie only contestant 1's spin is lit.
        QCOMPARE(w.R->cmdGira1.enabled(), turno == 1);
        QCOMPARE(w.R->cmdGira2.enabled(), turno == 2);
        QCOMPARE(w.R->cmdFine.visible(), turno == 0);
    }

    // Leaving the match while a question runs: No goes on with the time that
    // is left; Yes ends the game there, with nothing more of it.
    void abandoning_data()
    {
        QTest::addColumn<double>("alle");
        QTest::addColumn<int>("risposta");
        QTest::newRow("in the lead-in, Yes") << 1.5 << mb::Yes;
        QTest::newRow("in the countdown, Yes") << 6.0 << mb::Yes;
        QTest::newRow("in the lead-in, No") << 1.5 << mb::No;
        QTest::newRow("in the countdown, No") << 6.0 << mb::No;
    }
    void abandoning()
    {
        QFETCH(double, alle);
        QFETCH(int, risposta);
        PrimaDopo w;
        w.M().bytGiri[1] = 0;
        w.M().bytGiri[2] = 0;
        frmProva19* p = w.p;
        w.gioca({{alle + 0.5, "a"}}, {{alle, [&] {
                                            w.fakes.messages.setNextAnswer(risposta);
                                            p->window()->close();
                                        }}});
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::Yes) {
            const double chiusa = w.loop().now();
            w.advance(60);
            QVERIFY(PrimaDopo::circa(chiusa - w.inizio, alle));
            QVERIFY(!w.ctx->screens.find<frmProva19>());
            QVERIFY(!w.ctx->screens.find<frmRuota>());
            QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
            QCOMPARE(w.suoni(), QStringList{"primadopo1.wav"});
            QCOMPARE(int(w.M().bytConcorrente), 0);
            QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), (QList<int>{0, 0}));
            return;
        }
        // The first question keeps its deadline, and the key after the
        // question still counts.
        QVERIFY(PrimaDopo::circa(w.quando("primadopo2.wav"), 13.0));
        QCOMPARE(w.risposte(1), (QStringList{"PRIMA", "", ""}));
        QVERIFY(PrimaDopo::circa(w.trascorso(), 39.0));
        QCOMPARE(p->cmdEsegui.caption(), w.giusta(1) == QLatin1String("PRIMA") ? "Vince " + kAnna : "Gioco nullo!");
    }

    // F1 and the menu open this game's own page.
    void theHelpOpensThisGamesPage()
    {
        PrimaDopo w;
        w.keyClick(*w.p, Qt::Key_F1);
        w.run([&] { w.p->Guida.Click(); });
        QCOMPARE(w.fakes.help.topics, (QList<int>{46, 46}));
    }

    void playedFromTheBoardsCatalogue()
    {
        BoardWorld w;
        w.M().strParlato = "Play";
        w.M().strVoceConcorrente[2] = w.path("sounds1/BRUNO.wav");
        for (const char* f : kSuoni)
            w.touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(1.0));
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(19, 20);   // PRIMA O DOPO
        for (int q = 1; q <= 3; ++q) {
            w.fakes.random.pushDraw(10 * q, 50);
            w.fakes.random.pushDraw(q, 3);
        }
        w.passo();
        auto* p = w.ctx->screens.find<frmProva19>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->lblTitolo.caption(), QStringLiteral("PRIMA O DOPO"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Inizia la prova"));
        // BRUNO answers every question right, ANNA only the first.
        const QList<QStringList> tabella = tabellaProva(QStringLiteral("primadopo"));
        QVERIFY(tabella.size() == 50);
        const double t0 = w.loop().now();
        for (int q = 1; q <= 3; ++q) {
            const QString giusta = tabella[10 * q - 1][frmProva19::campoRisposta(q - 1)];
            const QString sbagliata = giusta == QLatin1String("PRIMA") ? "DOPO" : "PRIMA";
            const QString tasti = PrimaDopo::tasto(2, giusta) + PrimaDopo::tasto(1, q == 1 ? giusta : sbagliata);
            w.loop().at(t0 + 4.0 * q, [&w, p, tasti] { w.typeKeys(*p, tasti); });
        }
        w.click(p->cmdEsegui);
        QCOMPARE(p->cmdEsegui.caption(), "Vince " + kBruno);
        QCOMPARE(p->lblNRisp1.caption(), QStringLiteral("1"));
        QCOMPARE(p->lblNRisp2.caption(), QStringLiteral("3"));
        w.advance(3);
        QCOMPARE(w.fakes.audio.played(QStringLiteral("frmProva19.mmcSonoro")),
                 (QStringList{"primadopo1.wav", "primadopo2.wav", "primadopo3.wav", "moltobene.wav", "vince.wav",
                              "BRUNO.wav"}));
        w.keyClick(*p, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva19>());
        QVERIFY(R.enabled());
        QVERIFY(!R.cmdGira1.enabled() && R.cmdGira2.enabled());
        QCOMPARE(R.cmdGira2.backColor(), frmRuota::kGiallo);
    }
};

ZOLMERA_TEST_MAIN(TestPrimaDopo)
#include "tst_frmProva19.moc"

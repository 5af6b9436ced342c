// "IL REBUS": a phrase drawn as pictures, typed and confirmed within sixty
// seconds by each contestant in turn, and the verdict on right answers and
// time left.
#include "challenges/mind/frmProva20.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
const QString kPranzo = QStringLiteral("L'ORA DI PRANZO");

enum Risposta { Giusta, Sbagliata, Nessuna };

struct Rebus : BoardWorld {
    // primo: the contestant the load draws to start.
    explicit Rebus(int primo = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        for (const char* f : {"moltobene", "vince", "pari", "nullo1", "nullo2", "nullo3", "sirena1", "sirena2",
                              "sirena3", "ANNA", "BRUNO"})
            touch(QStringLiteral("sounds1/%1.wav").arg(QLatin1String(f)), onda(0.5));
        for (const char* f : {"rebus.bmp", "apostrofo.bmp", "lente.jpg"})
            touch(QStringLiteral("images1/%1").arg(QLatin1String(f)), "BM");
        // The strip's 2 x 19 cells, 10 pixels each.
        fakes.pictures.size = QSize(190, 20);
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva20>();
        p->strFrasiRebus[0] = *rebus::componi(kPranzo);
    }
    using Mosse = QList<std::pair<double, std::function<void()>>>;
    // A press of the start button on row 1 of the table, with the moves at
    // their seconds into the turn and the draws after the row's (one for each
    // letter, then the siren's); returns when the turn is over.
    void turno(const Mosse& mosse = {}, const QList<double>& estrazioni = {})
    {
        fakes.random.pushDraw(1, int(p->strFrasiRebus.size()));
        for (double u : estrazioni)
            fakes.random.push(u);
        inizio = loop().now();
        for (const auto& [t, mossa] : mosse)
            loop().at(inizio + t, mossa);
        click(p->cmdEsegui);
    }
    // Types the text into the answer box, as a player does (typing takes a
    // moment), and confirms it at the given second of the turn.
    Mosse rispondi(const QString& testo, double alle)
    {
        return {{alle - 0.5, [this, testo] { typeKeys(*p, testo); }}, {alle, [this] { click(p->cmdConferma); }}};
    }
    void gioca(Risposta r, double alle)
    {
        if (r == Nessuna)
            turno();
        else
            turno(rispondi(r == Giusta ? QStringLiteral("l'ora di pranzo") : QStringLiteral("l'ora di cena"), alle));
    }
    // What each cell shows: "." nothing, "'" the apostrophe, else the strip's cell.
    QStringList griglia() const
    {
        QStringList celle;
        for (int i = 0; i < rebus::kCelle; ++i) {
            const Figura f = p->imgFrase[i].figura();
            celle << (f.isNull() ? QStringLiteral(".")
                      : f.file.endsWith(QLatin1String("apostrofo.bmp")) ? QStringLiteral("'")
                                                                       : QString::number(f.cella));
        }
        return celle;
    }
    // Sounds started on the window's player after the given instant.
    QStringList suoniDopo(double t) const { return BoardWorld::suoniDopo(QStringLiteral("frmProva20"), t); }
    bool durato(double secondi) { return qAbs(loop().now() - inizio - secondi) < 0.001; }
    frmRuota* R = nullptr;
    frmProva20* p = nullptr;
    double inizio = 0;
};
}  // namespace

class TestRebus : public QObject {
    Q_OBJECT
private slots:
    void aPhraseIsLaidOutWithItsHint_data()
    {
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QStringList>("righe");
        QTest::addColumn<QString>("suggerimento");
        QTest::newRow("elisions split words") << kPranzo << QStringList{"  L'ORA DI  ", "   PRANZO   ", "            "}
                                              << "frase: 1-3-2-6";
        QTest::newRow("an accent is no letter") << "IL TEMPO E' DENARO"
                                                << QStringList{"IL TEMPO E' ", "   DENARO   ", "            "}
                                                << "frase: 2-5-1-6";
        QTest::newRow("accent then elision") << "LA SPERANZA E' L'ULTIMA A MORIRE"
                                             << QStringList{"LA SPERANZA ", "E' L'ULTIMA ", "  A MORIRE  "}
                                             << "frase: 2-8-1-1-6-1-6";
        QTest::newRow("an accent ends a word") << "NON SI PUO' AVERE TUTTO"
                                               << QStringList{"NON SI PUO' ", "AVERE TUTTO ", "            "}
                                               << "frase: 3-2-3-5-5";
        QTest::newRow("three full lines") << "PRENDERE DUE PICCIONI CON UNA FAVA"
                                          << QStringList{"PRENDERE DUE", "PICCIONI CON", "  UNA FAVA  "}
                                          << "frase: 8-3-8-3-3-4";
        QTest::newRow("one word, in the middle") << "VOLPE" << QStringList{"            ", "   VOLPE    ", "            "}
                                                 << "frase: 5";
    }
    void aPhraseIsLaidOutWithItsHint()
    {
        QFETCH(QString, frase);
        QFETCH(QStringList, righe);
        QFETCH(QString, suggerimento);
        const auto r = rebus::componi(frase);
        QVERIFY(r);
        QCOMPARE(r->griglia, righe.join(QString()));
        QCOMPARE(r->risposta, frase);
        QCOMPARE(r->suggerimento, suggerimento);
    }

    void theDrawnContestantStarts_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("dopo");
        QTest::newRow("ANNA") << 1 << "Inizia la prova ANNA       " << "Ora tocca a BRUNO      ";
        QTest::newRow("BRUNO") << 2 << "Inizia la prova BRUNO      " << "Ora tocca a ANNA       ";
    }
    void theDrawnContestantStarts()
    {
        QFETCH(int, primo);
        QFETCH(QString, prima);
        QFETCH(QString, dopo);
        Rebus w(primo);
        QCOMPARE(w.p->cmdEsegui.caption(), prima);
        QCOMPARE(w.p->lblGiocatore[0].caption(), QStringLiteral("ANNA       "));
        QCOMPARE(w.p->lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QVERIFY(w.p->Frame1.visible() && !w.p->Frame1.enabled());
        QCOMPARE(w.p->strFrasiRebus.size(), 100);
        QCOMPARE(w.p->strFrasiRebus.value(1).griglia.size(), rebus::kCelle);
        w.gioca(Giusta, 4.0);
        QCOMPARE(w.p->lblSecondi[primo - 1].caption(), QStringLiteral("56,00"));
        QCOMPARE(w.p->lblSecondi[2 - primo].caption(), QStringLiteral("60,00"));
        QCOMPARE(w.p->cmdEsegui.caption(), dopo);
        QVERIFY(w.p->cmdEsegui.enabled());
    }

    // The grid shows a drawing of each letter, either of its two; an
    // apostrophe its own drawing, a blank nothing. The hint stands over the
    // answer box for the turn only.
    void aTurnShowsThePhraseAsDrawings()
    {
        Rebus w;
        QStringList celle;
        QString suggerimento;
        bool attivo = false;
        Rebus::Mosse mosse = w.rispondi(kPranzo, 2.0);
        mosse << std::pair<double, std::function<void()>>{1.0, [&] {
            celle = w.griglia();
            suggerimento = w.p->Frame1.caption();
            attivo = w.p->Frame1.enabled() && !w.p->cmdEsegui.enabled();
        }};
        // L O R A D I P R A N Z O: which of its two drawings each letter shows.
        w.turno(mosse, {0.9, 0.1, 0.1, 0.3, 0.6, 0.2, 0.7, 0.8, 0.6, 0.2, 0.9, 0.4});
        const QString vuota = QStringLiteral(". . . . . . . . . . . .");
        // R shows both its drawings, 26 and 27; O the same one twice.
        const QStringList righe{". . 17 ' 22 26 0 . 7 14 . .", ". . . 25 27 1 20 37 22 . . .", vuota};
        QCOMPARE(celle.join(QLatin1Char(' ')), righe.join(QLatin1Char(' ')));
        QCOMPARE(suggerimento, QStringLiteral("frase: 1-3-2-6"));
        QVERIFY(attivo);
        QCOMPARE(w.griglia().join(QLatin1Char(' ')), QStringList(3, vuota).join(QLatin1Char(' ')));
        QCOMPARE(w.p->Frame1.caption(), QString());
        QCOMPARE(w.p->txtRispRebus.text(), QString());
        QVERIFY(!w.p->Frame1.enabled());
    }

    // Confirming ends the turn at once; only the exact phrase is right, in
    // whatever case and with blanks around it.
    void theConfirmedAnswerIsJudged_data()
    {
        QTest::addColumn<QString>("battuta");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("as it is") << kPranzo << true;
        QTest::newRow("lower case, blanks around") << "   l'ora di pranzo  " << true;
        QTest::newRow("mixed case") << "L'Ora di Pranzo" << true;
        QTest::newRow("two blanks inside") << "L'ORA DI  PRANZO" << false;
        QTest::newRow("no apostrophe") << "LORA DI PRANZO" << false;
        QTest::newRow("a blank for the apostrophe") << "L ORA DI PRANZO" << false;
        QTest::newRow("another word") << "L'ORA DI CENA" << false;
        QTest::newRow("nothing typed") << "" << false;
    }
    void theConfirmedAnswerIsJudged()
    {
        QFETCH(QString, battuta);
        QFETCH(bool, giusta);
        Rebus w;
        w.turno(w.rispondi(battuta, 5.5));
        QVERIFY(w.durato(5.5));
        QCOMPARE(w.p->intEsatte[1], giusta ? 1 : 0);
        QCOMPARE(w.p->lblSecondi[0].caption(), giusta ? QStringLiteral("54,50") : QStringLiteral("N.C."));
        QCOMPARE(w.p->lblOrologio.caption(), QStringLiteral("55"));
        const QStringList suoni = w.fakes.audio.played("frmProva20.mmcSonoro");
        QCOMPARE(suoni, giusta ? QStringList{"moltobene.wav"} : QStringList{});
    }

    // Every phrase of the table shows whole in the answer box as it is typed,
    // in the box's own font as the app substitutes it.
    void everyAnswerShowsWholeInTheBox()
    {
        Rebus w;
        const QLineEdit* box = qobject_cast<const QLineEdit*>(w.p->txtRispRebus.widget());
        QVERIFY(box);
        const QFontMetrics fm(box->font());
        // The box's frame and inner margins, and the cursor after the text.
        const int spazio = box->contentsRect().width() - 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 6;
        for (const rebus::Rebus& r : frasiRebus()) {
            const int scritto = fm.horizontalAdvance(r.risposta);
            QVERIFY2(scritto <= spazio, qPrintable(QStringLiteral("\"%1\" takes %2 of %3").arg(r.risposta).arg(scritto).arg(spazio)));
        }
    }

    // Cancel empties the box and leaves the typing in it.
    void cancelEmptiesTheBoxAndTheTurnGoesOn()
    {
        Rebus w;
        Rebus::Mosse mosse = w.rispondi(kPranzo, 3.0);
        mosse << std::pair<double, std::function<void()>>{1.0, [&] { w.typeKeys(*w.p, QStringLiteral("L'ORA DI CENA")); }}
              << std::pair<double, std::function<void()>>{2.0, [&] { w.click(w.p->cmdCancella); }};
        w.turno(mosse);
        QVERIFY(w.durato(3.0));
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("57,00"));
    }

    void aTimeOut()
    {
        Rebus w;
        QStringList primaDellaFine;
        w.loop().at(w.loop().now() + 59.9, [&] { primaDellaFine = w.fakes.audio.played(); });
        // Twelve letters, then the siren's draw: the second of three.
        QList<double> estrazioni(12, 0.5);
        estrazioni << 1.5 / 3;
        w.turno({{30.0, [&] { w.typeKeys(*w.p, kPranzo); }}}, estrazioni);
        QVERIFY(w.durato(60));
        QCOMPARE(w.p->lblOrologio.caption(), QStringLiteral("00"));
        QCOMPARE(w.p->lblSecondi[0].caption(), QStringLiteral("N.C."));
        QCOMPARE(w.p->dblTempoResiduo[1], 0.0);
        QCOMPARE(w.p->intEsatte[1], 0);
        QCOMPARE(primaDellaFine, QStringList{});
        QCOMPARE(w.fakes.audio.played("frmProva20.mmcSonoro"), QStringList{"sirena2.wav"});
    }

    void theVerdict_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("risposta1");   // the first to play
        QTest::addColumn<double>("alle1");
        QTest::addColumn<int>("risposta2");
        QTest::addColumn<double>("alle2");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QStringList>("tempi");   // ANNA's, BRUNO's
        QTest::newRow("both right, the first quicker") << 1 << int(Giusta) << 10.0 << int(Giusta) << 20.25
                                                       << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince"
                                                       << QStringList{"50,00", "39,75"};
        QTest::newRow("both right, the second quicker") << 2 << int(Giusta) << 30.5 << int(Giusta) << 12.0
                                                        << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince"
                                                        << QStringList{"48,00", "29,50"};
        QTest::newRow("both right in the same time: a tie") << 1 << int(Giusta) << 7.5 << int(Giusta) << 7.5
                                                            << "Gara in parità!" << 1 << QList<int>{1, 1} << "pari"
                                                            << QStringList{"52,50", "52,50"};
        QTest::newRow("right beats a time-out") << 1 << int(Nessuna) << 0.0 << int(Giusta) << 59.0
                                                << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince"
                                                << QStringList{"N.C.", "01,00"};
        QTest::newRow("right beats a quicker wrong one") << 2 << int(Sbagliata) << 1.0 << int(Giusta) << 40.0
                                                         << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince"
                                                         << QStringList{"20,00", "N.C."};
        QTest::newRow("two wrong answers: void") << 1 << int(Sbagliata) << 3.0 << int(Sbagliata) << 4.0
                                                 << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo[123]"
                                                 << QStringList{"N.C.", "N.C."};
        QTest::newRow("two time-outs: void") << 2 << int(Nessuna) << 0.0 << int(Nessuna) << 0.0 << "Gioco nullo!"
                                             << 0 << QList<int>{0, 0} << "nullo[123]" << QStringList{"N.C.", "N.C."};
    }
    void theVerdict()
    {
        QFETCH(int, primo);
        QFETCH(int, risposta1);
        QFETCH(double, alle1);
        QFETCH(int, risposta2);
        QFETCH(double, alle2);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        QFETCH(QStringList, tempi);
        Rebus w(primo);
        w.gioca(Risposta(risposta1), alle1);
        w.advance(5);
        w.gioca(Risposta(risposta2), alle2);
        const double verdetto = w.loop().now();
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QVERIFY(w.p->cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE((QStringList{w.p->lblSecondi[0].caption(), w.p->lblSecondi[1].caption()}), tempi);
        const QString verdettoSuono = QFileInfo(w.p->mmcSonoro.fileName()).fileName();
        const QRegularExpression atteso(QRegularExpression::anchoredPattern(suono + QStringLiteral("\\.wav")));
        QVERIFY2(atteso.match(verdettoSuono).hasMatch(), qPrintable(verdettoSuono));
        QVERIFY(!w.p->Frame1.enabled());
        // Only a win calls the winner's voice, 2.5 seconds later.
        w.advance(3);
        const QStringList dopo = w.suoniDopo(verdetto);
        QVERIFY(dopo.contains(verdettoSuono));
        QCOMPARE(dopo.contains(QStringLiteral("ANNA.wav")) || dopo.contains(QStringLiteral("BRUNO.wav")),
                 suono == QLatin1String("vince"));
        QVERIFY(!dopo.contains(concorrente == 1 ? "BRUNO.wav" : "ANNA.wav"));
    }

    // An answer counts only inside a turn: neither between the turns nor
    // after the verdict can one be given or change anything.
    void anAnswerOutsideATurnCountsForNothing_data()
    {
        QTest::addColumn<bool>("dopoIlVerdetto");
        QTest::newRow("between the turns") << false;
        QTest::newRow("after the verdict") << true;
    }
    void anAnswerOutsideATurnCountsForNothing()
    {
        QFETCH(bool, dopoIlVerdetto);
        Rebus w;
        w.gioca(Sbagliata, 2.0);
        if (dopoIlVerdetto)
            w.gioca(Sbagliata, 2.0);
        const QString didascalia = w.p->cmdEsegui.caption();
        w.fakes.audio.clear();
        w.typeKeys(*w.p, kPranzo);
        w.click(w.p->cmdConferma);
        QCOMPARE(w.p->txtRispRebus.text(), QString());
        // Even a confirm that reaches the handler takes nothing.
        w.p->txtRispRebus.setText(kPranzo);
        w.run([&] { w.p->cmdConferma_Click(); });
        QCOMPARE(w.p->strRisposta, QStringLiteral("L'ORA DI CENA"));
        QCOMPARE((QList<int>{w.p->intEsatte[1], w.p->intEsatte[2]}), (QList<int>{0, 0}));
        QCOMPARE(w.p->cmdEsegui.caption(), didascalia);
        QCOMPARE(w.fakes.audio.played(), QStringList{});
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
        Rebus w;
        w.gioca(Giusta, 10.0);
        w.fakes.messages.setNextAnswer(risposta);
        w.turno({{5.0, [&] {
                      if (conEsci)
                          w.p->Esci.click();
                      else
                          w.p->window()->close();
                  }},
                 {7.5, [&] {
                      if (w.ctx->screens.find<frmProva20>())
                          w.typeKeys(*w.p, kPranzo);
                  }},
                 {8.0, [&] {
                      if (w.ctx->screens.find<frmProva20>())
                          w.click(w.p->cmdConferma);
                  }}});
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            QVERIFY(w.durato(8));
            QCOMPARE(w.p->lblSecondi[1].caption(), QStringLiteral("52,00"));
            QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
            return;
        }
        QVERIFY(w.loop().now() - w.inizio < 8);
        w.nullaDopoAbbandono(QStringLiteral("frmProva20"), 70);
    }

    // Handed back before the winner's voice: the voice never comes.
    void theHandBackStopsTheWinnersVoice()
    {
        Rebus w;
        w.gioca(Giusta, 3.0);
        w.gioca(Sbagliata, 3.0);
        QCOMPARE(w.p->cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.advance(1);
        const double resa = w.loop().now();
        w.click(w.p->cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva20>());
        w.advance(5);
        QCOMPARE(w.suoniDopo(resa), QStringList{});
        QVERIFY(w.R->cmdGira1.enabled() && !w.R->cmdGira2.enabled());
    }

    void helpOpensTheRebusPage()
    {
        Rebus w;
        w.keyClick(*w.p, Qt::Key_F1);
        w.p->Guida.click();
        QCOMPARE(w.fakes.help.topics, (QList<int>{47, 47}));
    }

    void aDuelLaunchedFromTheBoardHandsItsVerdictBack()
    {
        BoardWorld w;
        w.M().strParlato = "Play";
        w.M().strEffetti = "Play";
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(20, 20);   // IL REBUS
        w.fakes.random.pushDraw(2, 2);     // BRUNO starts
        w.passo();
        auto* p = w.ctx->screens.find<frmProva20>();
        QVERIFY(p && p->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Inizia la prova BRUNO      "));
        // Each reads the phrase off the grid's hint and answer, as typed.
        const auto scrivi = [&](bool bene) {
            const QString frase = p->strFrasiRebus.value(p->intFrase - 1).risposta;
            w.typeKeys(*p, bene ? frase.toLower() : frase + QStringLiteral(" A"));
        };
        w.fakes.random.pushDraw(37, 100);
        w.loop().at(w.loop().now() + 11.0, [&] { scrivi(true); });
        w.loop().at(w.loop().now() + 12.0, [&] { w.click(p->cmdConferma); });
        w.click(p->cmdEsegui);
        QCOMPARE(p->intFrase, 37);
        QCOMPARE(p->lblSecondi[1].caption(), QStringLiteral("48,00"));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Ora tocca a ANNA       "));
        w.advance(2.0);
        w.fakes.random.pushDraw(37, 100);
        w.loop().at(w.loop().now() + 4.0, [&] { scrivi(false); });
        w.loop().at(w.loop().now() + 5.0, [&] { w.click(p->cmdConferma); });
        w.click(p->cmdEsegui);
        QCOMPARE(p->lblSecondi[0].caption(), QStringLiteral("N.C."));
        QCOMPARE(p->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        w.keyClick(*p, Qt::Key_Return, "\r");
        QVERIFY(!w.ctx->screens.find<frmProva20>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled() && !R.cmdGira1.enabled());
        QCOMPARE(int(w.M().bytGiri[2]), 1);
    }
};

ZOLMERA_TEST_MAIN(TestRebus)
#include "tst_frmProva20.moc"

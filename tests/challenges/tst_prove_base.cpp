// What every challenge window shares: abandoning, the verdicts and their
// hand-back, the winner's jingle, timed turns, and the short challenges'
// hand-over of the booking question.
#include "challenges/base/breve.h"
#include "challenges/base/completa.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
// A duel whose start runs a timed turn, then the verdict the test asks for.
class DuelloDiProva final : public ProvaCompleta {
public:
    explicit DuelloDiProva(AppContext& c)
        : ProvaCompleta(c, QStringLiteral("frmDuello"), QStringLiteral("DUELLO"), 18, 6000, 4000),
          lblOrologio(*this, QStringLiteral("lblOrologio"))
    {
    }
    Label lblOrologio;
    std::function<void(DuelloDiProva&)> verdetto;
    bool fermati = false;
    QList<FineTurno> turni;
    // Outlives the window: what each turn did after its countdown.
    static inline QStringList diario;

    void decreta(int esito)
    {
        if (esito == 1 || esito == 2)
            decretaVincita(esito);
        else if (esito == 3)
            decretaParita();
        else
            decretaNulla();
    }

protected:
    void caricaGioco() override { cmdEsegui.setCaption(QStringLiteral("Inizia ") + M.strNomeConcorrente[1].str()); }
    void avvia() override
    {
        cmdEsegui.setEnabled(false);
        const FineTurno fine = CronometraTurno(30, [this] { return fermati; }, lblOrologio);
        turni << fine;
        if (fine == FineTurno::Chiusa) {
            diario << QStringLiteral("chiusa");
            return;   // the window is gone: nothing more of this turn
        }
        diario << QStringLiteral("verdetto");
        if (verdetto)
            verdetto(*this);
    }
};

class LetturaDiProva final : public ProvaBreve {
public:
    explicit LetturaDiProva(AppContext& c)
        : ProvaBreve(c, 7, QStringLiteral("LETTURA"), 10000, QStringLiteral("Di chi si parlava?"),
                     QStringLiteral("domanda7.wav"), 6000, 4000)
    {
    }

protected:
    void caricaElemento() override
    {
        txtDomanda.setText(QStringLiteral("Un telegramma."));
        M.strRispostaEsatta = QStringLiteral("GARIBALDI");
        ScriviOpzioni(ctx, "Cavour", "Garibaldi", "Mazzini");
    }
};

// Watches the board's controls that the hand-backs write (shown, hidden or
// repainted), noting every write made while the board took no input.
class SpiaTabellone final : public QObject {
public:
    explicit SpiaTabellone(frmRuota& R) : R_(R)
    {
        for (Control* c : std::initializer_list<Control*>{&R.cmdGira1, &R.cmdGira2, &R.cmdFine, &R.Tobrano,
                                                           &R.Frame2, &R.imgPPrenota, &R.cmdPrenota1, &R.cmdPrenota2})
            c->widget()->installEventFilter(this);
    }
    int scritture = 0;
    QStringList sottoBlocco;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        const QEvent::Type t = e->type();
        if (t == QEvent::StyleChange || t == QEvent::ShowToParent || t == QEvent::HideToParent) {
            ++scritture;
            if (!R_.enabled())
                sottoBlocco << o->objectName();
        }
        return false;
    }

private:
    frmRuota& R_;
};

struct Mondo : BoardWorld {
    Mondo()
    {
        M().strParlato = "Play";
        M().strVoceConcorrente[1] = path("sounds1/ANNA.wav");
        M().strVoceConcorrente[2] = path("sounds1/BRUNO.wav");
        board = &apri();
        w_passo();
    }
    // A turn of the board opens the test's window.
    template <class T>
    T& apriProva()
    {
        T* p = nullptr;
        run([&] {
            // As a turn of the step button leaves the board.
            board->cmdFine.setVisible(false);
            board->Tobrano.setVisible(false);
            BloccaTabellone(*ctx);
            p = &ctx->screens.get<T>();
            p->show();
        });
        return *p;
    }
    void w_passo() {}
    frmRuota* board;
};
}  // namespace

class TestProveBase : public QObject {
    Q_OBJECT
private slots:
    void verdictsAndTheirHandBack_data()
    {
        QTest::addColumn<int>("esito");     // 1, 2 win; 3 tie; 0 void
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<bool>("jingle");
        QTest::newRow("contestant 2 wins") << 2 << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince.wav" << true;
        QTest::newRow("tie") << 3 << "Gara in parità!" << 1 << QList<int>{1, 1} << "pari.wav" << false;
        QTest::newRow("void") << 0 << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo2.wav" << false;
    }
    void verdictsAndTheirHandBack()
    {
        QFETCH(int, esito);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        QFETCH(bool, jingle);
        Mondo w;
        w.touch("sounds1/" + suono, "RIFF");
        auto& p = w.apriProva<DuelloDiProva>();
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia ANNA       "));
        w.fakes.random.pushDraw(2, 3);   // the void sound's number
        w.run([&] { p.decreta(esito); });
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE(p.mmcSonoro.fileName(), w.path("sounds1/" + suono));
        QCOMPARE(p.Timer1.running(), jingle);

        w.click(p.cmdEsegui);
        QVERIFY(!w.ctx->screens.find<DuelloDiProva>());
        frmRuota& R = *w.board;
        QVERIFY(R.enabled());
        QCOMPARE(R.cmdGira1.enabled(), esito == 1 || esito == 3);
        QCOMPARE(R.cmdGira2.enabled(), esito == 2);
        QCOMPARE(R.cmdFine.visible(), esito == 0);
        QCOMPARE(R.Tobrano.visible(), esito == 0);
    }

    // Every hand-back gives the board back before it writes on it: a control
    // of the board is never written while the board still takes no input.
    void aHandBackFreesTheBoardBeforeWritingOnIt_data()
    {
        QTest::addColumn<int>("esito");   // 1, 2 win; 3 tie; 0 void; -1 a short challenge's question
        QTest::newRow("a win") << 2;
        QTest::newRow("a tie") << 3;
        QTest::newRow("a void game") << 0;
        QTest::newRow("a short challenge's booking question") << -1;
    }
    void aHandBackFreesTheBoardBeforeWritingOnIt()
    {
        QFETCH(int, esito);
        Mondo w;
        frmRuota& R = *w.board;
        std::unique_ptr<SpiaTabellone> spia;
        if (esito < 0) {
            auto& p = w.apriProva<LetturaDiProva>();
            w.click(p.cmdEsegui);
            w.advance(9.99);
            spia = std::make_unique<SpiaTabellone>(R);
            w.advance(0.02);
            QVERIFY(R.imgPPrenota.visible());
        } else {
            auto& p = w.apriProva<DuelloDiProva>();
            w.run([&] { p.decreta(esito); });
            spia = std::make_unique<SpiaTabellone>(R);
            w.click(p.cmdEsegui);
            QCOMPARE(R.cmdGira1.enabled() || R.cmdGira2.enabled(), esito != 0);
            QCOMPARE(R.cmdFine.visible(), esito == 0);
        }
        QVERIFY(R.enabled());
        QVERIFY(spia->scritture > 0);
        QVERIFY2(spia->sottoBlocco.isEmpty(),
                 qPrintable("written under a disabled board: " + spia->sottoBlocco.join(", ")));
    }

    void theWinnersVoiceComesTwoAndAHalfSecondsLater()
    {
        Mondo w;
        w.touch("sounds1/ANNA.wav", onda(0));
        auto& p = w.apriProva<DuelloDiProva>();
        w.fakes.audio.clear();
        w.run([&] { p.decreta(1); });
        w.advance(2.49);
        QVERIFY(!w.fakes.audio.played("frmDuello.mmcSonoro").contains("ANNA.wav"));
        w.advance(0.02);
        QVERIFY(w.fakes.audio.played("frmDuello.mmcSonoro").contains("ANNA.wav"));
        QVERIFY(!p.Timer1.running());

        // Handed back before the jingle: the spin is granted, no voice plays.
        Mondo v;
        auto& q = v.apriProva<DuelloDiProva>();
        v.run([&] { q.decreta(2); });
        v.advance(1.0);
        v.click(q.cmdEsegui);
        v.fakes.audio.clear();
        v.advance(5);
        QVERIFY(v.fakes.audio.played().isEmpty());
        QVERIFY(v.board->cmdGira2.enabled());
    }

    void abandoning_data()
    {
        QTest::addColumn<bool>("conEsci");
        QTest::addColumn<int>("risposta");
        QTest::newRow("close box, No") << false << mb::No;
        QTest::newRow("Esci, No") << true << mb::No;
        QTest::newRow("close box, Yes") << false << mb::Yes;
        QTest::newRow("Esci, Yes") << true << mb::Yes;
    }
    void abandoning()
    {
        QFETCH(bool, conEsci);
        QFETCH(int, risposta);
        Mondo w;
        w.M().bytGiri[1] = 2;
        auto& p = w.apriProva<DuelloDiProva>();
        w.fakes.messages.setNextAnswer(risposta);
        if (conEsci)
            p.Esci.click();
        else
            p.window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        QCOMPARE(w.fakes.messages.asked[0].prompt, QStringLiteral("Sei sicuro di volere abbandonare la partita?"));
        QCOMPARE(w.fakes.messages.asked[0].flags, 308);
        QVERIFY(!w.M().intEsci);
        if (risposta == mb::No) {
            QVERIFY(p.visible());
            QVERIFY(!w.board->enabled());
            // Asked again next time.
            p.window()->close();
            w.settle();
            QCOMPARE(w.fakes.messages.asked.size(), 2);
        } else {
            QVERIFY(!w.ctx->screens.find<DuelloDiProva>());
            QVERIFY(!w.ctx->screens.find<frmRuota>());
            QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
            QCOMPARE(int(w.M().bytGiri[1]), 2);
        }
    }

    void aCloseByTheSystemAsksNothingAndFreesTheBoard()
    {
        Mondo w;
        auto& p = w.apriProva<DuelloDiProva>();
        w.run([&] { p.unload(UnloadMode::FormCode); });
        QVERIFY(w.fakes.messages.asked.isEmpty());
        QVERIFY(w.board->enabled());
    }

    void aTimedTurnRunsOutStopsOrEndsWithItsWindow()
    {
        // Out of time: the clock shows 30 ... 00.
        Mondo a;
        auto& p = a.apriProva<DuelloDiProva>();
        p.verdetto = [](DuelloDiProva& d) { d.decreta(0); };
        QStringList visti;
        for (double t : {0.4, 10.2, 29.7})
            a.loop().at(a.loop().now() + t, [&] { visti << p.lblOrologio.caption(); });
        a.click(p.cmdEsegui);
        QCOMPARE(p.turni, QList<ProvaCompleta::FineTurno>{ProvaCompleta::FineTurno::Scaduto});
        QCOMPARE(visti, (QStringList{"30", "20", "00"}));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Gioco nullo!"));

        // Stopped by the game.
        Mondo b;
        auto& q = b.apriProva<DuelloDiProva>();
        b.loop().at(b.loop().now() + 4, [&] { q.fermati = true; });
        b.click(q.cmdEsegui);
        QCOMPARE(q.turni, QList<ProvaCompleta::FineTurno>{ProvaCompleta::FineTurno::Fermato});
        QVERIFY(q.varResiduo() > 25.9 && q.varResiduo() < 26.1);
    }

    void anAbandonDuringATimedTurnEndsItAtOnce()
    {
        Mondo w;
        w.touch("sounds1/vince.wav", "RIFF");
        auto& p = w.apriProva<DuelloDiProva>();
        p.verdetto = [](DuelloDiProva& d) { d.decreta(1); };
        DuelloDiProva::diario.clear();
        // The question stays up two seconds, and the turn's time runs on.
        w.fakes.messages.setNextAnswer(mb::Yes, 2.0);
        w.loop().at(w.loop().now() + 5, [&] { p.window()->close(); });
        const double inizio = w.loop().now();
        w.click(p.cmdEsegui);
        // The handler returned right after the close, not at the turn's end,
        // and nothing of the turn ran after its countdown.
        QVERIFY(w.loop().now() - inizio < 8);
        QCOMPARE(DuelloDiProva::diario, QStringList{"chiusa"});
        QVERIFY(!w.ctx->screens.find<DuelloDiProva>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE(int(w.M().bytGiri[1]), 0);
        w.advance(60);
        QVERIFY(!w.fakes.audio.played().contains("vince.wav"));
    }

    void theReadingEndsInTheBookingQuestion_data()
    {
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("sentito");
        QTest::newRow("spoken") << "Play" << "Forza! Potete prenotarvi!" << QStringList{"domanda7.wav"};
        QTest::newRow("written") << "" << "Di chi si parlava?" << QStringList{};
    }
    void theReadingEndsInTheBookingQuestion()
    {
        QFETCH(QString, parlato);
        QFETCH(QString, testo);
        QFETCH(QStringList, sentito);
        Mondo w;
        w.M().strParlato = parlato;
        w.touch("sounds1/domanda7.wav", onda(0));
        auto& p = w.apriProva<LetturaDiProva>();
        QVERIFY(!p.txtDomanda.visible());
        QCOMPARE(w.board->txtOpzione[1].text(), QStringLiteral("Garibaldi"));
        w.M().bytConcorrente = 2;
        w.click(p.cmdEsegui);
        QVERIFY(!p.cmdEsegui.enabled());
        QVERIFY(p.txtDomanda.visible());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        w.fakes.audio.clear();
        w.advance(9.99);
        QVERIFY(w.ctx->screens.find<LetturaDiProva>());
        w.advance(0.02);
        QVERIFY(!w.ctx->screens.find<LetturaDiProva>());
        frmRuota& R = *w.board;
        QVERIFY(R.enabled());
        QVERIFY(R.Frame2.visible() && !R.Frame2.enabled());
        QCOMPARE(R.txtDomanda.text(), testo);
        QCOMPARE(R.lblArgomento.caption(), QStringLiteral("Domanda a prenotazione"));
        QCOMPARE(R.cmdPrenota2.backColor(), frmRuota::kGiallo);
        QVERIFY(R.imgPPrenota.visible() && !R.Tobrano.visible());
        QCOMPARE(w.M().strFileDomanda, w.path("sounds1/domanda7.wav"));
        QCOMPARE(w.fakes.audio.played("frmRuota.mmcMelodia"), sentito);
    }

    void theReadingsEndWaitsForTheAbandonQuestion_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::newRow("No: the hand-over follows") << mb::No;
        QTest::newRow("Yes: the match is over") << mb::Yes;
    }
    void theReadingsEndWaitsForTheAbandonQuestion()
    {
        QFETCH(int, risposta);
        Mondo w;
        auto& p = w.apriProva<LetturaDiProva>();
        w.click(p.cmdEsegui);
        // The player closes at 8 s and thinks for 4: the reading ends meanwhile.
        w.fakes.messages.setNextAnswer(risposta, 4.0);
        w.loop().at(w.loop().now() + 8, [&] { p.window()->close(); });
        w.advance(20);
        QVERIFY(!w.ctx->screens.find<LetturaDiProva>());
        if (risposta == mb::No) {
            QVERIFY(w.board->imgPPrenota.visible());
            QVERIFY(w.board->enabled());
        } else {
            QVERIFY(!w.ctx->screens.find<frmRuota>());
        }
    }

    // The reading ends under a first abandon question; the player answers No
    // and at once closes the window again. The hand-over that fell due waits
    // for the second question too: it neither arms the board under it nor
    // leaves the window open over an armed board.
    void aHandOverWaitsForEveryAbandonQuestion()
    {
        Mondo w;
        auto& p = w.apriProva<LetturaDiProva>();
        w.click(p.cmdEsegui);
        const double t0 = w.loop().now();
        w.fakes.messages.setNextAnswer(mb::No, 4.0);
        w.fakes.messages.setNextAnswer(mb::No, 3.0);
        w.loop().at(t0 + 8, [&] { p.window()->close(); });
        // The second close is already queued when the first No comes back.
        w.loop().at(t0 + 12, [&] { w.loop().post([&] { p.window()->close(); }); });
        bool armataSottoLaDomanda = true, apertaSottoLaDomanda = false;
        w.loop().at(t0 + 14, [&] {
            apertaSottoLaDomanda = w.ctx->screens.find<LetturaDiProva>() != nullptr;
            armataSottoLaDomanda = w.board->imgPPrenota.visible();
        });
        w.advance(20);
        QCOMPARE(w.fakes.messages.asked.size(), 2);
        QVERIFY(apertaSottoLaDomanda);
        QVERIFY(!armataSottoLaDomanda);
        QVERIFY(!w.ctx->screens.find<LetturaDiProva>());
        QVERIFY(w.board->imgPPrenota.visible());
        QVERIFY(w.board->enabled());
    }

    void aFullChallengeClosesItsSoundWhenItCloses()
    {
        Mondo w;
        w.touch("sounds1/vince.wav", onda(2.0));
        w.M().strParlato = "Play";
        auto& p = w.apriProva<DuelloDiProva>();
        w.run([&] { p.decreta(1); });
        QVERIFY(p.mmcSonoro.isPlaying());
        w.click(p.cmdEsegui);
        QCOMPARE(w.fakes.audio.events.last().channel, QStringLiteral("frmDuello.mmcSonoro"));
        QVERIFY(w.fakes.audio.events.last().file.isEmpty());   // stopped
    }
};

ZOLMERA_TEST_MAIN(TestProveBase)
#include "tst_prove_base.moc"

// "CALCI DI RIGORE": kicks aimed with the digits after the whistle, a keeper
// on two letters, and a verdict after ten kicks or an unbeatable lead.
#include "challenges/action/frmProva13.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

using namespace zolmera;
using namespace zolmera::testing;

namespace {
const char* const kSuoni[] = {"fischio.wav", "boo.wav",    "ola.wav",    "vince.wav",
                              "pari.wav",    "nullo1.wav", "nullo2.wav", "nullo3.wav"};

struct Rigori : BoardWorld {
    // primo: who kicks first, as the load's draw decides.
    explicit Rigori(int primo = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        for (const char* f : kSuoni)
            touch(QStringLiteral("sounds1/") + QLatin1String(f), onda(0));
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva13>();
    }
    void tasti(const QString& s) { typeKeys(*p, s); }
    // After the whistle: the keeper's letters, then the kick, to its end.
    void calcio(const QString& portiere, const QString& cifra)
    {
        advance(3.05);
        tasti(portiere);
        tasti(cifra);
        advance(1.5);
    }
    // A wide kick past a keeper who stayed in the middle, or one right at him.
    void gioca(const QString& sequenza)
    {
        for (QChar c : sequenza)
            calcio({}, c == u'R' ? QStringLiteral("1") : QStringLiteral("3"));
    }
    QStringList suoni() { return fakes.audio.played(QStringLiteral("frmProva13.mmcSonoro")); }
    frmRuota* R = nullptr;
    frmProva13* p = nullptr;
};

// The rows of a bordered key box that its text inks, inside the border:
// the first and the last, or -1 for none.
std::pair<int, int> righeScritte(Label& l)
{
    const QImage img = l.widget()->grab().toImage();
    int prima = -1, ultima = -1;
    for (int y = 1; y < img.height() - 1; ++y)
        for (int x = 2; x < img.width() - 2; ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                if (prima < 0)
                    prima = y;
                ultima = y;
                break;
            }
    return {prima, ultima};
}

QPoint posto(const Image& figura) { return {figura.left(), figura.top()}; }
const QPoint kPortiere{frmProva13::kPortiereLeft, frmProva13::kPortiereTop};
const QPoint kRigorista{frmProva13::kRigoristaLeft, frmProva13::kRigoristaTop};
const QPoint kDischetto{frmProva13::kPalloneLeft, frmProva13::kPalloneTop};
}  // namespace

class TestRigori : public QObject {
    Q_OBJECT
private slots:
    // Every key box shows its key whole, with a clear row between the
    // letter or digit and the box's border above and below.
    void theKeyBoxesShowTheirKeysWhole()
    {
        Rigori w;
        frmProva13& p = *w.p;
        for (Label* l : {&p.Label26, &p.Label25, &p.Label24, &p.Label23, &p.Label22, &p.Label2, &p.Label3, &p.Label6,
                         &p.Label7}) {
            const auto [prima, ultima] = righeScritte(*l);
            const int alta = l->widget()->height();
            QVERIFY2(prima >= 2 && ultima <= alta - 3,
                     qPrintable(QStringLiteral("%1 \"%2\": rows %3 to %4 of %5")
                                    .arg(l->name(), l->caption()).arg(prima).arg(ultima).arg(alta)));
        }
    }

    void theLoadDrawsTheKickerAndTheStartBlowsTheWhistle_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("the dog kicks first") << 1 << "ANNA       ";
        QTest::newRow("the rabbit kicks first") << 2 << "BRUNO      ";
    }
    void theLoadDrawsTheKickerAndTheStartBlowsTheWhistle()
    {
        QFETCH(int, primo);
        QFETCH(QString, nome);
        Rigori w(primo);
        frmProva13& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), "Inizia " + nome);
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE(posto(primo == 1 ? p.cane : p.coniglio), kRigorista);
        QCOMPARE(posto(primo == 1 ? p.coniglio : p.cane), kPortiere);
        QCOMPARE(posto(p.pallone), kDischetto);
        QCOMPARE(p.lblGiocatore[1].caption(), QStringLiteral("BRUNO      "));
        QCOMPARE((QStringList{p.Label2.caption(), p.Label3.caption(), p.Label6.caption(), p.Label7.caption()}),
                 (QStringList{"A", "D", "J", "L"}));
        QCOMPARE(p.Label1[0].caption(), QStringLiteral("/ 0"));
        QVERIFY(!p.Frame1.enabled());

        w.click(p.cmdEsegui);
        QVERIFY(!p.cmdEsegui.enabled());
        QVERIFY(p.Frame1.enabled());
        QCOMPARE(p.cmdEsegui.caption(), "Tira " + nome);
        w.advance(2.99);
        QVERIFY(w.suoni().isEmpty());
        w.advance(0.02);
        QCOMPARE(w.suoni(), QStringList{"fischio.wav"});
        QVERIFY(!p.tmrPausa.enabled());
    }

    // The ball is within the keeper's reach only at the sixth tick; a kick
    // not saved then flies on into the goal two ticks later.
    void aKickIsSavedOnlyAtTheSixthTick_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("prima");     // the keeper's letters before the kick
        QTest::addColumn<QString>("cifra");
        QTest::addColumn<QString>("dopo");      // and while the ball flies
        QTest::addColumn<int>("portiere");      // the keeper's Left at the sixth tick
        QTest::addColumn<int>("palla");         // the ball's
        QTest::addColumn<int>("tickMs");
        QTest::addColumn<bool>("parata");
        QTest::newRow("3, keeper in place") << 1 << "" << "3" << "" << 3600 << 3600 << 50 << true;
        QTest::newRow("3, keeper at 3120") << 1 << "j" << "3" << "" << 3120 << 3600 << 50 << true;
        QTest::newRow("3, keeper at 4080, upper case") << 1 << "L" << "3" << "" << 4080 << 3600 << 50 << true;
        QTest::newRow("3, keeper at 2640") << 1 << "jj" << "3" << "" << 2640 << 3600 << 50 << false;
        QTest::newRow("3, the kicker's letters move nobody") << 2 << "jjj" << "3" << "" << 3600 << 3600 << 50 << true;
        QTest::newRow("1, keeper at 720") << 2 << "aaaaaa" << "1" << "" << 720 << 1200 << 150 << true;
        QTest::newRow("1, keeper at 1680") << 2 << "aaaa" << "1" << "" << 1680 << 1200 << 150 << true;
        QTest::newRow("1, keeper at 240") << 2 << "aaaaaaa" << "1" << "" << 240 << 1200 << 150 << false;
        QTest::newRow("1, keeper dives in flight") << 2 << "" << "1" << "aaaaa" << 1200 << 1200 << 150 << true;
        QTest::newRow("5, keeper at 5520, upper case") << 2 << "DDDD" << "5" << "" << 5520 << 6000 << 150 << true;
        QTest::newRow("5, keeper in place") << 2 << "" << "5" << "" << 3600 << 6000 << 150 << false;
        QTest::newRow("2, keeper at 2160") << 1 << "jjj" << "2" << "" << 2160 << 2400 << 100 << true;
        QTest::newRow("2, keeper at 3120") << 1 << "j" << "2" << "" << 3120 << 2400 << 100 << false;
        QTest::newRow("4, keeper at 5040") << 1 << "lll" << "4" << "" << 5040 << 4800 << 100 << true;
        QTest::newRow("4, keeper at 4080") << 1 << "l" << "4" << "" << 4080 << 4800 << 100 << false;
    }
    void aKickIsSavedOnlyAtTheSixthTick()
    {
        QFETCH(int, primo);
        QFETCH(QString, prima);
        QFETCH(QString, cifra);
        QFETCH(QString, dopo);
        QFETCH(int, portiere);
        QFETCH(int, palla);
        QFETCH(int, tickMs);
        QFETCH(bool, parata);
        Rigori w(primo);
        frmProva13& p = *w.p;
        Image& keeper = primo == 1 ? p.coniglio : p.cane;
        Image& kicker = primo == 1 ? p.cane : p.coniglio;
        const int k = primo - 1;
        w.click(p.cmdEsegui);
        w.advance(3.05);
        w.fakes.audio.clear();
        w.tasti(prima);
        const double t0 = w.loop().now();
        w.tasti(cifra + dopo);
        QCOMPARE(p.tmrSecondi.interval(), tickMs);
        QCOMPARE(posto(kicker), kRigorista);

        // Just before the sixth tick: five steps flown, nothing decided.
        w.advance(t0 + 6 * tickMs / 1000.0 - 0.001 - w.loop().now());
        QCOMPARE(posto(p.pallone), QPoint(palla, 1200));
        QCOMPARE(keeper.left(), portiere);
        QCOMPARE(p.varTiri, 0);
        QVERIFY(w.suoni().isEmpty());
        w.advance(0.002);
        if (parata) {
            QCOMPARE(w.suoni(), QStringList{"boo.wav"});
            QCOMPARE(p.varTiri, 1);
            QCOMPARE(p.Label1[k].caption(), QStringLiteral("/ 1"));
            QCOMPARE(p.lblPunti[k].caption(), QStringLiteral("0"));
            QVERIFY(!p.tmrSecondi.enabled());
            return;
        }
        QCOMPARE(p.varTiri, 0);
        w.advance(2 * tickMs / 1000.0);
        QCOMPARE(w.suoni(), QStringList{"ola.wav"});
        QCOMPARE(p.varTiri, 1);
        QCOMPARE(p.intReti[k], qint16(1));
        QCOMPARE(p.lblPunti[k].caption(), QStringLiteral("1"));
        QCOMPARE(p.lblPunti[1 - k].caption(), QStringLiteral("0"));
        QCOMPARE(p.Label1[k].caption(), QStringLiteral("/ 1"));
    }

    // R a goal, P a save, kicks in turn from the first kicker.
    void theGameEndsAtTenKicksOrOnAnUnbeatableLead_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("sequenza");
        QTest::addColumn<QString>("esito");   // empty: the game goes on
        QTest::newRow("kick 5, lead of 3: on") << 1 << "RPRPR" << "";
        QTest::newRow("kick 6, lead of 3: over") << 1 << "RPRPRP" << "Vince ANNA       ";
        QTest::newRow("kick 7, lead of 2: on") << 1 << "RPRPPPP" << "";
        QTest::newRow("kick 7, lead of 3 to the first kicker: over") << 2 << "RPRPPPR" << "Vince BRUNO      ";
        QTest::newRow("kick 8, lead of 2: over") << 1 << "RPRPPPPP" << "Vince ANNA       ";
        QTest::newRow("kick 9, lead of 1: on") << 1 << "RPPPPPPPP" << "";
        QTest::newRow("kick 10, lead of 1: over") << 2 << "PPPPPPPPPR" << "Vince ANNA       ";
    }
    void theGameEndsAtTenKicksOrOnAnUnbeatableLead()
    {
        QFETCH(int, primo);
        QFETCH(QString, sequenza);
        QFETCH(QString, esito);
        Rigori w(primo);
        frmProva13& p = *w.p;
        w.click(p.cmdEsegui);
        for (QChar c : sequenza) {
            QVERIFY(p.cmdEsegui.caption().startsWith(QStringLiteral("Tira ")));
            w.gioca(QString(c));
        }
        QCOMPARE(p.varTiri, int(sequenza.size()));
        if (esito.isEmpty()) {
            const int prossimo = sequenza.size() % 2 ? 3 - primo : primo;
            QCOMPARE(p.cmdEsegui.caption(),
                     QStringLiteral("Tira ") + w.M().strNomeConcorrente[prossimo].str());
            QVERIFY(!p.cmdEsegui.enabled());
            QVERIFY(p.tmrPausa.enabled());
            QCOMPARE(posto(p.pallone), kDischetto);
            QCOMPARE(int(w.M().bytConcorrente), 0);
            return;
        }
        QCOMPARE(p.cmdEsegui.caption(), esito);
        QVERIFY(p.cmdEsegui.enabled());
        QVERIFY(!p.tmrPausa.enabled() && !p.tmrSecondi.enabled());
        const int w1 = esito.contains(QStringLiteral("ANNA")) ? 1 : 2;
        QCOMPARE(int(w.M().bytConcorrente), w1);
        QCOMPARE(int(w.M().bytGiri[w1]), 1);
        QCOMPARE(int(w.M().bytGiri[3 - w1]), 0);
        QVERIFY(p.Timer1.running());
        QVERIFY(w.suoni().contains("vince.wav"));
        // Nothing more happens on the pitch.
        w.advance(5);
        QCOMPARE(p.varTiri, int(sequenza.size()));
        QCOMPARE(p.cmdEsegui.caption(), esito);
    }

    void tenKicksLevelEndVoidOrTied_data()
    {
        QTest::addColumn<QString>("sequenza");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::newRow("0-0") << "PPPPPPPPPP" << "Gioco nullo!" << 0 << QList<int>{0, 0} << "nullo3.wav";
        QTest::newRow("1-1") << "RPPRPPPPPP" << "Gara in parità!" << 1 << QList<int>{1, 1} << "pari.wav";
    }
    void tenKicksLevelEndVoidOrTied()
    {
        QFETCH(QString, sequenza);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        Rigori w;
        // Were a jingle started, it would be heard.
        w.M().strVoceConcorrente[1] = w.path("sounds1/ANNA.wav");
        w.touch("sounds1/ANNA.wav", onda(0));
        frmProva13& p = *w.p;
        w.click(p.cmdEsegui);
        w.gioca(sequenza.left(9));
        QVERIFY(p.cmdEsegui.caption().startsWith(QStringLiteral("Tira ")));
        QCOMPARE((QStringList{p.Label1[0].caption(), p.Label1[1].caption()}), (QStringList{"/ 5", "/ 4"}));
        w.fakes.random.pushDraw(3, 3);   // the void sound's number
        w.fakes.audio.clear();
        w.gioca(sequenza.right(1));
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        QCOMPARE(p.Label1[1].caption(), QStringLiteral("/ 5"));
        QVERIFY(!p.Timer1.running());
        w.advance(3);
        QCOMPARE(w.suoni(), (QStringList{"fischio.wav", "boo.wav", suono}));

        w.click(p.cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva13>());
        QCOMPARE(w.R->cmdFine.visible(), concorrente == 0);
        QCOMPARE(w.R->cmdGira1.enabled(), concorrente == 1);
    }

    void eachKickersTallyAndTheCaptionFollowTheTurns()
    {
        Rigori w(2);
        frmProva13& p = *w.p;
        w.click(p.cmdEsegui);
        w.gioca("P");
        QCOMPARE((QStringList{p.Label1[0].caption(), p.Label1[1].caption()}), (QStringList{"/ 0", "/ 1"}));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Tira ANNA       "));
        w.gioca("R");
        QCOMPARE((QStringList{p.Label1[0].caption(), p.Label1[1].caption()}), (QStringList{"/ 1", "/ 1"}));
        QCOMPARE((QStringList{p.lblPunti[0].caption(), p.lblPunti[1].caption()}), (QStringList{"1", "0"}));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Tira BRUNO      "));
    }

    void digitsInThePauseOrInFlightAreIgnored()
    {
        Rigori w;
        frmProva13& p = *w.p;
        w.click(p.cmdEsegui);
        w.tasti("1");   // before the whistle
        w.advance(3.05);
        QVERIFY(!p.tmrSecondi.enabled());
        QCOMPARE(posto(p.pallone), kDischetto);

        const double t0 = w.loop().now();
        w.tasti("3");
        w.tasti("15");   // the ball is already on its way
        QCOMPARE(p.intDeviazione, qint16(0));
        QCOMPARE(p.tmrSecondi.interval(), 50);
        w.advance(t0 + 0.301 - w.loop().now());
        // Straight at the keeper in the middle, on time.
        QCOMPARE(p.pallone.left(), 3600);
        QCOMPARE(p.varTiri, 1);
        // And in the pause of the next kick.
        w.tasti("5");
        w.advance(2.5);
        QVERIFY(!p.tmrSecondi.enabled());
        QCOMPARE(posto(p.pallone), kDischetto);
    }

    void theKeeperMovesWithinTheGoalAndStartsEachKickInTheMiddle()
    {
        Rigori w;
        frmProva13& p = *w.p;
        w.click(p.cmdEsegui);
        // The rabbit keeps: right to the post and one more, then left to the
        // other post and one more.
        w.tasti("lllllll");
        QCOMPARE(p.coniglio.left(), 6960);
        w.tasti("l");
        QCOMPARE(p.coniglio.left(), 6960);
        w.tasti("jjjjjjjjjjjjjj");
        QCOMPARE(p.coniglio.left(), 240);
        w.tasti("j");
        QCOMPARE(p.coniglio.left(), 240);
        // Moved in the pause, he stays where he went: the centre kick scores.
        w.tasti("lllllllll");
        w.calcio({}, "3");
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("1"));
        // The dog keeps from the middle, the rabbit kicks from beside the ball.
        QCOMPARE(posto(p.cane), kPortiere);
        QCOMPARE(posto(p.coniglio), kRigorista);
        w.tasti("d");
        w.calcio({}, "3");
        QCOMPARE(p.lblPunti[1].caption(), QStringLiteral("0"));
        QCOMPARE(posto(p.coniglio), kPortiere);
        QCOMPARE(posto(p.cane), kRigorista);
    }

    // Before the start press and after the verdict, even one that came early
    // with the whistle silent and no ball in flight, no key does anything.
    void keysBeforeTheStartAndAfterTheVerdictDoNothing()
    {
        Rigori w;
        frmProva13& p = *w.p;
        w.tasti("aAdDjJlL135");
        w.advance(5);
        QCOMPARE(posto(p.coniglio), kPortiere);
        QCOMPARE(posto(p.cane), kRigorista);
        QVERIFY(!p.tmrSecondi.enabled() && !p.tmrPausa.enabled());
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia ANNA       "));
        QVERIFY(w.suoni().isEmpty());

        w.click(p.cmdEsegui);
        w.gioca("RPRPRP");
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        const QPoint portiere = posto(p.cane);
        w.fakes.audio.clear();
        w.tasti("3jlad1");
        w.advance(5);
        QCOMPARE(p.varTiri, 6);
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        QVERIFY(!p.tmrSecondi.enabled() && !p.tmrPausa.enabled());
        QCOMPARE(posto(p.cane), portiere);
        QCOMPARE(posto(p.coniglio), kRigorista);
        QCOMPARE((QStringList{p.Label1[0].caption(), p.Label1[1].caption()}), (QStringList{"/ 3", "/ 3"}));
        QVERIFY(!w.suoni().contains("boo.wav") && !w.suoni().contains("ola.wav"));
        QVERIFY(!w.suoni().contains("fischio.wav") && !w.suoni().contains("vince.wav"));
    }

    void abandoning_data()
    {
        QTest::addColumn<bool>("inVolo");
        QTest::addColumn<int>("risposta");
        QTest::newRow("in the pause, No") << false << mb::No;
        QTest::newRow("in flight, No") << true << mb::No;
        QTest::newRow("in the pause, Yes") << false << mb::Yes;
        QTest::newRow("in flight, Yes") << true << mb::Yes;
    }
    void abandoning()
    {
        QFETCH(bool, inVolo);
        QFETCH(int, risposta);
        Rigori w;
        frmProva13& p = *w.p;
        w.click(p.cmdEsegui);
        if (inVolo) {
            w.advance(3.05);
            w.tasti("3");
        }
        w.fakes.audio.clear();
        w.fakes.messages.setNextAnswer(risposta);
        p.window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        w.advance(10);
        if (risposta == mb::No) {
            QVERIFY(p.visible());
            QVERIFY(!w.R->enabled());
            // The game goes on where it was.
            QCOMPARE(w.suoni(), inVolo ? (QStringList{"boo.wav", "fischio.wav"}) : QStringList{"fischio.wav"});
            QCOMPARE(p.varTiri, inVolo ? 1 : 0);
        } else {
            QVERIFY(!w.ctx->screens.find<frmProva13>());
            QVERIFY(!w.ctx->screens.find<frmRuota>());
            QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
            QVERIFY(w.suoni().isEmpty());
        }
    }

    void playedFromTheBoardsCatalogue()
    {
        BoardWorld w;
        w.M().strEffetti = "Play";
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(13, 20);   // CALCI DI RIGORE
        w.fakes.random.pushDraw(2, 2);     // the rabbit kicks first
        w.passo();
        auto* rigori = w.ctx->screens.find<frmProva13>();
        QVERIFY(rigori && rigori->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(rigori->lblTitolo.caption(), QStringLiteral("CALCI DI RIGORE"));
        QCOMPARE(rigori->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));
        w.click(rigori->cmdEsegui);
        // BRUNO scores wide left three times; ANNA shoots at him in the
        // middle, and once he dives for her right-hand shot.
        const std::pair<QString, QString> calci[] = {{"", "1"}, {"", "3"}, {"", "1"}, {"llll", "5"}, {"", "1"}, {"", "3"}};
        for (const auto& [portiere, cifra] : calci) {
            w.advance(3.05);
            for (QChar c : portiere + cifra)
                w.keyClick(*rigori, Qt::Key(c.toUpper().unicode()), QString(c));
            w.advance(1.5);
        }
        QCOMPARE(rigori->lblPunti[1].caption(), QStringLiteral("3"));
        QCOMPARE(rigori->lblPunti[0].caption(), QStringLiteral("0"));
        QCOMPARE(rigori->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        w.keyClick(*rigori, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva13>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled() && !R.cmdGira1.enabled());
        QCOMPARE(R.cmdGira2.backColor(), frmRuota::kGiallo);
    }
};

ZOLMERA_TEST_MAIN(TestRigori)
#include "tst_frmProva13.moc"

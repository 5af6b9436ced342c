// "TIRO AL PIATTO": the plate swings, "Lancia" shoots one arrow a turn, the
// arrow scores by where the plate stands when it arrives, and after five
// shots each the points decide.
#include "challenges/action/frmProva11.h"
#include "shell/frmMenu.h"
#include "testkit/board.h"
#include "testkit/bytes.h"

#include <QFileInfo>

using namespace zolmera;
using namespace zolmera::testing;

namespace {
const char* const kSuoni[] = {"tennis.wav", "moltobene.wav", "laser.wav",  "nooo.wav",  "vince.wav",
                              "pari.wav",   "nullo1.wav",    "nullo2.wav", "nullo3.wav"};
constexpr double kTick = 0.05;
// The plate travels eleven steps between the shot and the score.
constexpr int kVolo = 11 * frmProva11::kPassoPiatto;

void fileDelPoligono(TestWorld& w)
{
    for (const char* f : kSuoni)
        w.touch(QStringLiteral("sounds1/") + QLatin1String(f), onda(0));
    for (const char* f : {"images1/centro.gif", "images1/freccia.gif"})
        w.touch(QString::fromLatin1(f), "GIF89a");
}

// The start press, then the clock halfway between two ticks, where every
// later wait of whole ticks keeps it.
void inizia(TestWorld& w, frmProva11& p)
{
    w.click(p.cmdEsegui);
    w.advance(kTick / 2);
}

// Tick by tick until the shooter can shoot with the plate at this Left on
// its way right.
bool mira(TestWorld& w, frmProva11& p, int left)
{
    for (int tick = 0; tick < 400; ++tick) {
        if (p.cmdLancio.enabled() && p.centro.left() == left && p.strDirezione == QLatin1String("destra"))
            return true;
        w.advance(kTick);
    }
    return false;
}

// Where the plate must stand at the shot for the arrow to score these points.
int partenzaPer(int punti)
{
    const int arrivo = punti == 100 ? 2400 : punti == 75 ? 2520 : punti == 50 ? 2760 : punti == 25 ? 3000 : 3120;
    return arrivo - kVolo;
}

// One shot for these points, to its score.
bool tira(TestWorld& w, frmProva11& p, int punti)
{
    if (!mira(w, p, partenzaPer(punti)))
        return false;
    w.click(p.cmdLancio);
    w.advance(11 * kTick);
    return !p.tmrSecondi.enabled();
}

struct Poligono : BoardWorld {
    // primo: who shoots first, as the load's draw decides.
    explicit Poligono(int primo = 1)
    {
        M().strEffetti = "Play";
        M().strParlato = "Play";
        fileDelPoligono(*this);
        R = &apri();
        fakes.random.pushDraw(primo, 2);
        p = &apriProva<frmProva11>();
    }
    // Shots in turn from the first shooter, each for its points.
    bool gioca(const QList<int>& punti)
    {
        for (int v : punti)
            if (!tira(*this, *p, v))
                return false;
        return true;
    }
    QStringList suoni() { return fakes.audio.played(QStringLiteral("frmProva11.mmcSonoro")); }
    QStringList riga(const ControlArray<Label>& tiri)
    {
        QStringList r;
        for (int i = 0; i < tiri.count(); ++i)
            r << tiri[i].caption();
        return r;
    }
    QWidget* fuoco() { return p->window()->focusWidget(); }
    frmRuota* R = nullptr;
    frmProva11* p = nullptr;
};

// Two rows of shots, one from each contestant in turn.
QList<int> alterna(const QList<int>& primo, const QList<int>& secondo)
{
    QList<int> tiri;
    for (int i = 0; i < primo.size(); ++i)
        tiri << primo[i] << secondo[i];
    return tiri;
}
}  // namespace

class TestTiroAlPiatto : public QObject {
    Q_OBJECT
private slots:
    void theLoadDrawsTheShooterAndTheStartSwingsThePlate_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("altro");
        QTest::newRow("ANNA shoots first") << 1 << "ANNA       " << "BRUNO      ";
        QTest::newRow("BRUNO shoots first") << 2 << "BRUNO      " << "ANNA       ";
    }
    void theLoadDrawsTheShooterAndTheStartSwingsThePlate()
    {
        QFETCH(int, primo);
        QFETCH(QString, nome);
        QFETCH(QString, altro);
        Poligono w(primo);
        frmProva11& p = *w.p;
        QCOMPARE(p.cmdEsegui.caption(), "Inizia " + nome);
        QCOMPARE(int(w.M().bytConcorrente), 0);
        QCOMPARE((QStringList{p.lblGiocatore[0].caption(), p.lblGiocatore[1].caption()}),
                 (QStringList{"ANNA       ", "BRUNO      "}));
        QCOMPARE(w.riga(p.lblTiro1) + w.riga(p.lblTiro2), QStringList(10, QString()));
        QCOMPARE(w.riga(p.lblPunti), (QStringList{"0", "0"}));
        QCOMPARE(w.riga(p.Label12), (QStringList{"punti", "tiro 1", "tiro 2", "tiro 3", "tiro 4", "tiro 5"}));
        QVERIFY(!p.centro.picture().isNull() && !p.freccia.picture().isNull());
        QCOMPARE(QPoint(p.centro.left(), p.centro.top()), QPoint(2400, 240));
        QCOMPARE(QPoint(p.freccia.left(), p.freccia.top()), QPoint(2880, 3240));
        QVERIFY(!p.Frame1.enabled());

        inizia(w, p);
        QVERIFY(!p.cmdEsegui.enabled());
        QCOMPARE(p.cmdEsegui.caption(), "Inizia " + nome);
        QVERIFY(p.Frame1.enabled() && p.cmdLancio.enabled());
        QCOMPARE(w.fuoco(), p.cmdLancio.widget());
        // Right from the middle to the end of the range, back from there.
        w.advance(19 * kTick);
        QCOMPARE(p.centro.left(), 4680);
        w.advance(kTick);
        QCOMPARE(p.centro.left(), 4560);
        QCOMPARE(p.strDirezione, QStringLiteral("sinistra"));
        w.advance(37 * kTick);
        QCOMPARE(p.centro.left(), 120);
        w.advance(kTick);
        QCOMPARE(p.centro.left(), 240);
        QCOMPARE(p.freccia.top(), 3240);
        QVERIFY(w.suoni().isEmpty());

        // The shot: the arrow climbs ten ticks with the plate still swinging,
        // and the eleventh scores it.
        w.click(p.cmdLancio);
        QVERIFY(!p.cmdLancio.enabled());
        QCOMPARE(w.suoni(), QStringList{"tennis.wav"});
        for (int tick = 1; tick <= 10; ++tick) {
            w.advance(kTick);
            QCOMPARE(p.freccia.top(), 3240 - 240 * tick);
            QCOMPARE(p.centro.left(), 240 + 120 * tick);
        }
        QCOMPARE(w.riga(primo == 1 ? p.lblTiro1 : p.lblTiro2)[0], QString());
        w.advance(kTick);
        QCOMPARE(p.centro.left(), 1560);
        QCOMPARE((primo == 1 ? p.lblTiro1 : p.lblTiro2)[0].caption(), QStringLiteral("0"));
        QCOMPARE(w.suoni(), (QStringList{"tennis.wav", "nooo.wav"}));

        // Everything stands still through the pause, then the other one aims
        // at the plate back in the middle.
        w.advance(3.0 - kTick);
        QCOMPARE(p.centro.left(), 1560);
        QCOMPARE(p.freccia.top(), 840);
        QVERIFY(!p.cmdLancio.enabled());
        QCOMPARE(p.cmdEsegui.caption(), "Inizia " + nome);
        w.advance(kTick);
        QCOMPARE(p.cmdEsegui.caption(), "Ora tocca a " + altro);
        QCOMPARE(p.intTiratore, qint16(3 - primo));
        QCOMPARE(QPoint(p.centro.left(), p.freccia.top()), QPoint(2400, 3240));
        QVERIFY(p.cmdLancio.enabled());
        QCOMPARE(w.fuoco(), p.cmdLancio.widget());
        w.advance(kTick);
        QCOMPARE(p.centro.left(), 2520);
        QVERIFY(!p.cmdEsegui.enabled());
    }

    // Every Left the plate can stop at near the middle, and a bounce on the
    // way; the voice is off, so only the effects are heard.
    void theArrowScoresByWhereThePlateStandsAtItsArrival_data()
    {
        QTest::addColumn<int>("partenza");   // the plate's Left at the shot, moving right
        QTest::addColumn<int>("arrivo");     // at the score
        QTest::addColumn<int>("punti");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<bool>("effetto");   // the sound takes the effects' switch
        QTest::newRow("centre, shot at 1080") << 1080 << 2400 << 100 << "moltobene.wav" << false;
        QTest::newRow("2280") << 960 << 2280 << 75 << "laser.wav" << true;
        QTest::newRow("2520") << 1200 << 2520 << 75 << "laser.wav" << true;
        QTest::newRow("2040") << 720 << 2040 << 50 << "laser.wav" << true;
        QTest::newRow("2160") << 840 << 2160 << 50 << "laser.wav" << true;
        QTest::newRow("2640") << 1320 << 2640 << 50 << "laser.wav" << true;
        QTest::newRow("2760") << 1440 << 2760 << 50 << "laser.wav" << true;
        QTest::newRow("1800") << 480 << 1800 << 25 << "laser.wav" << true;
        QTest::newRow("1920") << 600 << 1920 << 25 << "laser.wav" << true;
        QTest::newRow("2880") << 1560 << 2880 << 25 << "laser.wav" << true;
        QTest::newRow("3000") << 1680 << 3000 << 25 << "laser.wav" << true;
        QTest::newRow("1680") << 360 << 1680 << 0 << "nooo.wav" << false;
        QTest::newRow("3120") << 1800 << 3120 << 0 << "nooo.wav" << false;
        QTest::newRow("shot at 4200, bounced back to 3840") << 4200 << 3840 << 0 << "nooo.wav" << false;
    }
    void theArrowScoresByWhereThePlateStandsAtItsArrival()
    {
        QFETCH(int, partenza);
        QFETCH(int, arrivo);
        QFETCH(int, punti);
        QFETCH(QString, suono);
        QFETCH(bool, effetto);
        Poligono w;
        frmProva11& p = *w.p;
        w.M().strParlato = QString();
        inizia(w, p);
        QVERIFY(w.gioca({100}));
        QVERIFY(mira(w, p, partenza));
        w.fakes.audio.clear();
        w.click(p.cmdLancio);
        w.advance(10 * kTick);
        QCOMPARE(p.freccia.top(), 840);
        QCOMPARE(p.lblTiro2[0].caption(), QString());
        w.advance(kTick);
        QCOMPARE(p.centro.left(), arrivo);
        QCOMPARE(p.varValoreTiro, punti);
        QCOMPARE(p.lblTiro2[0].caption(), QString::number(punti));
        QCOMPARE(p.lblPunti[1].caption(), QString::number(punti));
        QCOMPARE(p.lblPunti[0].caption(), QStringLiteral("100"));
        QCOMPARE(QFileInfo(p.mmcSonoro.fileName()).fileName(), suono);
        QCOMPARE(w.suoni(), effetto ? (QStringList{"tennis.wav", suono}) : QStringList{"tennis.wav"});
    }

    void aSecondPressWhileTheArrowFliesFiresNothing_data()
    {
        QTest::addColumn<QString>("seconda");   // how the second press comes
        QTest::newRow("click") << "click";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("space bar") << "space";
    }
    void aSecondPressWhileTheArrowFliesFiresNothing()
    {
        QFETCH(QString, seconda);
        Poligono w;
        frmProva11& p = *w.p;
        inizia(w, p);
        QVERIFY(mira(w, p, partenzaPer(50)));
        w.keyClick(p, Qt::Key_Return, "\r");   // the first shot from the keyboard
        QCOMPARE(p.intLanciato, qint16(-1));
        w.advance(4 * kTick);
        if (seconda == "click")
            w.click(p.cmdLancio);
        else if (seconda == "enter")
            w.keyClick(p, Qt::Key_Return, "\r");
        else
            w.keyClick(p, Qt::Key_Space, " ");
        QCOMPARE(p.freccia.top(), 3240 - 4 * 240);
        w.advance(7 * kTick);
        QCOMPARE(w.suoni(), (QStringList{"tennis.wav", "laser.wav"}));
        QCOMPARE((QList<qint16>{p.intTiri[0], p.intTiri[1]}), (QList<qint16>{1, 0}));
        QCOMPARE(p.lblTiro1[0].caption(), QStringLiteral("50"));
        QVERIFY(!p.cmdEsegui.enabled());
    }

    void tenAlternatingShotsFillBothRows()
    {
        Poligono w(2);
        frmProva11& p = *w.p;
        const QList<int> bruno{100, 75, 50, 25, 0};
        const QList<int> anna{0, 25, 50, 100, 75};
        inizia(w, p);
        const QList<int> tiri = alterna(bruno, anna);
        for (int i = 0; i < tiri.size(); ++i) {
            QVERIFY(mira(w, p, partenzaPer(tiri[i])));
            QCOMPARE(p.cmdEsegui.caption(),
                     i == 0 ? QStringLiteral("Inizia BRUNO      ")
                            : QStringLiteral("Ora tocca a ") + (i % 2 ? "ANNA       " : "BRUNO      "));
            QVERIFY(tira(w, p, tiri[i]));
        }
        QCOMPARE(w.riga(p.lblTiro1), (QStringList{"0", "25", "50", "100", "75"}));
        QCOMPARE(w.riga(p.lblTiro2), (QStringList{"100", "75", "50", "25", "0"}));
        QCOMPARE(w.riga(p.lblPunti), (QStringList{"250", "250"}));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Gara in parità!"));
    }

    void theVerdictAfterFiveShotsEach_data()
    {
        QTest::addColumn<QList<int>>("anna");
        QTest::addColumn<QList<int>>("bruno");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<int>("concorrente");
        QTest::addColumn<QList<int>>("giri");
        QTest::addColumn<QString>("suono");
        QTest::newRow("75 to 50: void although one leads")
            << QList<int>{75, 0, 0, 0, 0} << QList<int>{0, 0, 50, 0, 0} << "Gioco nullo!" << 0 << QList<int>{0, 0}
            << "nullo2.wav";
        QTest::newRow("100 to 0: ANNA") << QList<int>{0, 0, 0, 0, 100} << QList<int>{0, 0, 0, 0, 0}
                                        << "Vince ANNA       " << 1 << QList<int>{1, 0} << "vince.wav";
        QTest::newRow("25 to 100: BRUNO") << QList<int>{25, 0, 0, 0, 0} << QList<int>{0, 0, 0, 100, 0}
                                          << "Vince BRUNO      " << 2 << QList<int>{0, 1} << "vince.wav";
        QTest::newRow("250 to 250: tie") << QList<int>{100, 75, 50, 25, 0} << QList<int>{0, 25, 50, 75, 100}
                                         << "Gara in parità!" << 1 << QList<int>{1, 1} << "pari.wav";
    }
    void theVerdictAfterFiveShotsEach()
    {
        QFETCH(QList<int>, anna);
        QFETCH(QList<int>, bruno);
        QFETCH(QString, didascalia);
        QFETCH(int, concorrente);
        QFETCH(QList<int>, giri);
        QFETCH(QString, suono);
        Poligono w;
        frmProva11& p = *w.p;
        // The winner's jingle, when one is started, is heard.
        w.M().strVoceConcorrente[concorrente == 2 ? 2 : 1] = w.path("sounds1/voce.wav");
        w.touch("sounds1/voce.wav", onda(0));
        inizia(w, p);
        const QList<int> tiri = alterna(anna, bruno);
        QVERIFY(w.gioca(tiri.mid(0, 9)));
        QVERIFY(!p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), 0);
        w.fakes.random.pushDraw(2, 3);   // the void sound's number
        QVERIFY(w.gioca(tiri.mid(9)));
        QCOMPARE(p.cmdEsegui.caption(), didascalia);
        QVERIFY(p.cmdEsegui.enabled());
        QCOMPARE(int(w.M().bytConcorrente), concorrente);
        QCOMPARE((QList<int>{w.M().bytGiri[1], w.M().bytGiri[2]}), giri);
        const bool vittoria = suono == "vince.wav";
        QCOMPARE(p.Timer1.running(), vittoria);
        w.fakes.audio.clear();
        w.advance(10);
        QCOMPARE(w.suoni(), vittoria ? QStringList{"voce.wav"} : QStringList{});
        QVERIFY(!p.tmrSecondi.enabled() && !p.tmrPausa.enabled());
        QCOMPARE(QFileInfo(p.mmcSonoro.fileName()).fileName(), vittoria ? "voce.wav" : suono);

        w.click(p.cmdEsegui);
        QVERIFY(!w.ctx->screens.find<frmProva11>());
        QVERIFY(w.R->enabled());
        QCOMPARE(w.R->cmdFine.visible(), concorrente == 0);
        QCOMPARE(w.R->cmdGira1.enabled(), concorrente == 1);
        QCOMPARE(w.R->cmdGira2.enabled(), concorrente == 2);
    }

    // Before the start press and after the verdict neither "Lancia" nor a
    // key shoots, moves or sounds anything.
    void inputOutsideTheGameDoesNothing()
    {
        Poligono w;
        frmProva11& p = *w.p;
        w.click(p.cmdLancio);
        for (const char* c : {"l", "L", "1", "a"})
            w.keyClick(p, Qt::Key(QChar::fromLatin1(*c).toUpper().unicode()), QString::fromLatin1(c));
        w.advance(5);
        QCOMPARE(QPoint(p.centro.left(), p.freccia.top()), QPoint(2400, 3240));
        QVERIFY(!p.tmrSecondi.enabled() && !p.cmdLancio.enabled());
        QCOMPARE(p.intLanciato, qint16(0));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Inizia ANNA       "));
        QVERIFY(w.suoni().isEmpty());

        inizia(w, p);
        QVERIFY(w.gioca(alterna({100, 0, 0, 0, 0}, {0, 0, 0, 0, 0})));
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        w.advance(3);   // past the jingle
        w.fakes.audio.clear();
        const QPoint piatto(p.centro.left(), p.freccia.top());
        w.click(p.cmdLancio);
        w.keyClick(p, Qt::Key_Space, " ");
        w.keyClick(p, Qt::Key_L, "l");
        w.advance(5);
        QCOMPARE(p.cmdEsegui.caption(), QStringLiteral("Vince ANNA       "));
        QCOMPARE(QPoint(p.centro.left(), p.freccia.top()), piatto);
        QCOMPARE((QList<qint16>{p.intTiri[0], p.intTiri[1]}), (QList<qint16>{5, 5}));
        QCOMPARE(w.riga(p.lblPunti), (QStringList{"100", "0"}));
        QCOMPARE(int(w.M().bytConcorrente), 1);
        QVERIFY(w.suoni().isEmpty());
    }

    void abandoning_data()
    {
        QTest::addColumn<bool>("inVolo");
        QTest::addColumn<int>("risposta");
        QTest::newRow("aiming, No") << false << mb::No;
        QTest::newRow("in flight, No") << true << mb::No;
        QTest::newRow("aiming, Yes") << false << mb::Yes;
        QTest::newRow("in flight, Yes") << true << mb::Yes;
    }
    void abandoning()
    {
        QFETCH(bool, inVolo);
        QFETCH(int, risposta);
        Poligono w;
        frmProva11& p = *w.p;
        inizia(w, p);
        QVERIFY(mira(w, p, partenzaPer(100)));
        if (inVolo)
            w.click(p.cmdLancio);
        w.fakes.audio.clear();
        w.fakes.messages.setNextAnswer(risposta);
        p.window()->close();
        w.settle();
        QCOMPARE(w.fakes.messages.asked.size(), 1);
        if (risposta == mb::No) {
            QVERIFY(p.visible());
            QVERIFY(!w.R->enabled());
            // The game goes on where it was.
            w.advance(11 * kTick);
            QCOMPARE(p.centro.left(), 2400);
            QCOMPARE(p.lblTiro1[0].caption(), inVolo ? QStringLiteral("100") : QString());
            QCOMPARE(w.suoni(), inVolo ? QStringList{"moltobene.wav"} : QStringList{});
            return;
        }
        w.advance(10);
        QVERIFY(!w.ctx->screens.find<frmProva11>());
        QVERIFY(!w.ctx->screens.find<frmRuota>());
        QVERIFY(w.ctx->screens.find<frmMenu>()->visible());
        QVERIFY(w.suoni().isEmpty());
    }

    void playedFromTheBoardsCatalogue()
    {
        BoardWorld w;
        w.M().strEffetti = "Play";
        fileDelPoligono(w);
        frmRuota& R = w.apri();
        w.fakes.random.pushDraw(11, 20);   // TIRO AL PIATTO
        w.fakes.random.pushDraw(2, 2);     // BRUNO shoots first
        w.passo();
        auto* tiro = w.ctx->screens.find<frmProva11>();
        QVERIFY(tiro && tiro->visible());
        QVERIFY(!R.enabled());
        QCOMPARE(tiro->lblTitolo.caption(), QStringLiteral("TIRO AL PIATTO"));
        QCOMPARE(tiro->cmdEsegui.caption(), QStringLiteral("Inizia BRUNO      "));
        inizia(w, *tiro);
        // BRUNO hits the middle once, ANNA never.
        for (int v : alterna({25, 100, 50, 0, 75}, {0, 25, 0, 50, 25}))
            QVERIFY(tira(w, *tiro, v));
        QCOMPARE(tiro->lblPunti[1].caption(), QStringLiteral("250"));
        QCOMPARE(tiro->lblPunti[0].caption(), QStringLiteral("100"));
        QCOMPARE(tiro->cmdEsegui.caption(), QStringLiteral("Vince BRUNO      "));
        w.keyClick(*tiro, Qt::Key_Return, "\r");   // Enter presses the button
        QVERIFY(!w.ctx->screens.find<frmProva11>());
        QVERIFY(R.enabled());
        QVERIFY(R.cmdGira2.enabled() && !R.cmdGira1.enabled());
        QCOMPARE(R.cmdGira2.backColor(), frmRuota::kGiallo);
    }
};

ZOLMERA_TEST_MAIN(TestTiroAlPiatto)
#include "tst_frmProva11.moc"
